// The sites the extractor works with. The source site is named only by the addresses users paste;
// the mirror is the one host the tool contacts.
#pragma once

inline constexpr char kSourceLabel[] = "shellshare";
inline constexpr char kMirrorLabel[] = "shellshare.mirror";
inline constexpr char kDefaultTopicAddress[] = "http://www.shellshare.example/topics/2847/";
// Dots stay unescaped and "htm?" leaves the "m" optional: each match runs up to the closing quote and bracket.
inline constexpr char kDetailPattern[] = "http://www.shellshare.mirror.example/detail.htm?(.*?)\">";
inline constexpr char kListPattern[] = "var ed(.*?)_links = '(.*?)';";
