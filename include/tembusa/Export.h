// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks the classes and functions that libtembusa.so exports. The library is
// built with hidden symbols; only what carries this mark is visible to clients.
#if defined(_WIN32)
#if defined(TEMBUSA_STATIC_PART)
#define TEMBUSA_EXPORT __declspec(dllexport)
#else
#define TEMBUSA_EXPORT __declspec(dllimport)
#endif
#else
#define TEMBUSA_EXPORT __attribute__((visibility("default")))
#endif
