// Export and import of the vendor toolkit library.
#pragma once

#ifdef VENDOR_TOOLKIT_BUILD
#define VENDOR_TOOLKIT_API __declspec(dllexport)
#else
#define VENDOR_TOOLKIT_API __declspec(dllimport)
#endif
