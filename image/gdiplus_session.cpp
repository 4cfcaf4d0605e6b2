#include "image/gdiplus_session.h"

#include "image/gdiplus_object.h"

GdiPlusSession::GdiPlusSession() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (GdiPlus_Record(Gdiplus::GdiplusStartup(&token, &input, nullptr))) token_ = token;
}

GdiPlusSession::~GdiPlusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
}
