#pragma once

// RapidJSON as the core's JSON sources include it: one configuration for all
// of them. SSE2 (every x86-64 processor has it) skips the text form's
// indentation 16 bytes at a time.
#if defined(__SSE2__) && !defined(RAPIDJSON_SSE2)
#define RAPIDJSON_SSE2
#endif

#include <rapidjson/error/error.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/reader.h>
