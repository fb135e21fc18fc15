#pragma once
// Timestamps of the start-up phases, for the benchmarks. With TACKNOTE_TRACE_STARTUP naming a
// file, each call appends "pid counter cpu phase" to it (QueryPerformanceCounter, which all
// processes of a machine share, and the process's processor time in 100 ns units); without it,
// a call costs one test of a cached flag.

// `phase` is one word; `detail`, when given, follows it on the line.
void TraceStartup(const char* phase, const char* detail = nullptr);
