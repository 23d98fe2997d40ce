// Decoration of the module's exported C entry points.
#pragma once

#if defined(_WIN32)
#define TAMRI_EXPORT extern "C" __declspec(dllexport)
#else
#define TAMRI_EXPORT extern "C" __attribute__((visibility("default")))
#endif
