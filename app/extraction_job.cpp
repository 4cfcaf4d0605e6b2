#include "app/extraction_job.h"

void ExtractionJob() {}
