// libpng error handling shared by the decoder and the encoder: errors are
// kept as text and end the call through png_longjmp, warnings are dropped.
#pragma once
#include <png.h>

#include <string>

namespace vd::png_detail {

struct ErrorSink {
    std::string message;
};

inline void OnError(png_structp png, png_const_charp msg) {
    auto* sink = static_cast<ErrorSink*>(png_get_error_ptr(png));
    if (sink) sink->message = msg ? msg : "PNG error";
    png_longjmp(png, 1);
}

inline void OnWarning(png_structp, png_const_charp) {}

inline void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

}  // namespace vd::png_detail
