#include "app/extraction_job.h"

#include "app/runtime.h"
#include "app/site.h"
#include "toolkit/regex_object.h"
#include "toolkit/text.h"
#include "toolkit/url_decode.h"
#include "toolkit/web_access.h"

namespace {

// A page fetched with a plain GET, taken as text up to its first zero byte and decoded.
Text FetchDecoded(const Text& address) {
    Text target = address;
    return Text_DecodeUrlUtf8(Bytes_ToText(网页_访问(target)));
}

void Run(RegexObject& details, RegexObject& lists) {
    HWND output = Runtime_Handle("编辑框2");
    HWND address = Runtime_Handle("编辑框1");
    HWND button = Runtime_Handle("按钮1");

    Runtime_SetText(output, "");
    Runtime_SetFontSize(output, 9);
    const Text typed = Runtime_GetText(address);
    if (Text_Find(typed, kSourceLabel, true) == 0) {
        Runtime_MessageBox("填写有误，请确认");
        return;
    }
    Runtime_SetCaption(button, "提取中....");

    const Text topicAddress = Text_Replace(Runtime_GetText(address), {}, {}, {}, kSourceLabel, kMirrorLabel);
    const Text topicPage = FetchDecoded(topicAddress);
    Regex_Search(details, kDetailPattern, topicPage);
    const int count = Regex_MatchCount(details);
    for (int i = 1; i <= count; ++i) {
        const Text detailAddress = Text_Replace(Regex_MatchText(details, i), {}, {}, {}, "\">", "");
        Regex_Search(lists, kListPattern, FetchDecoded(detailAddress));
        const Text list = Regex_SubmatchText(lists, 1, 2);
        Runtime_AppendText(output, Text_Concat({list, "\r\n\r\n"}));
    }
    Runtime_SetCaption(button, "提取完成");
}

} // namespace

void ExtractionJob() {
    // Each object initialises COM for this thread and ends it once when destroyed.
    RegexObject details;
    RegexObject lists;
    Run(details, lists);
}
