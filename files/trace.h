// Trace lines: the program's diagnostic transcript. Wording is part of the
// behaviour, so every line goes through Trace() with its exact format.
#pragma once

#include <cstddef>

// Receives each formatted piece of trace text. The default sink writes to
// standard output and flushes at once, so nothing is lost if the process dies.
using TraceSink = void (*)(const char* text, std::size_t length, void* context);

// Redirects the trace; a null sink restores standard output.
void SetTraceSink(TraceSink sink, void* context);

// Back to standard output, the default.
void TraceToStdout();
// Drops every line (command-line tool without --trace).
void TraceToNowhere();

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
void Trace(const char* format, ...);

// Prints the line: text followed by a line end.
void TraceLine(const char* text);
