#pragma once

// One extraction: topic address from 编辑框1, mirror pages fetched and decoded, link lists appended to 编辑框2.
void ExtractionJob();
