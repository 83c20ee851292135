#include "files/trace.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

void StreamSink(const char* text, std::size_t length, void* context) {
  auto* stream = static_cast<std::FILE*>(context);
  std::fwrite(text, 1, length, stream);
  std::fflush(stream);
}

void NullSink(const char*, std::size_t, void*) {}

TraceSink g_sink = nullptr;
void* g_context = nullptr;

}  // namespace

void SetTraceSink(TraceSink sink, void* context) {
  g_sink = sink;
  g_context = context;
}

void TraceToStdout() { SetTraceSink(nullptr, nullptr); }
void TraceToNowhere() { SetTraceSink(NullSink, nullptr); }

void Trace(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list probe;
  va_copy(probe, args);
  const int needed = std::vsnprintf(nullptr, 0, format, probe);
  va_end(probe);
  if (needed < 0) {
    va_end(args);
    return;
  }
  std::string text(static_cast<std::size_t>(needed) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  text.resize(static_cast<std::size_t>(needed));
  if (g_sink != nullptr) {
    g_sink(text.data(), text.size(), g_context);
  } else {
    StreamSink(text.data(), text.size(), stdout);
  }
}

void TraceLine(const char* text) { Trace("%s\n", text); }
