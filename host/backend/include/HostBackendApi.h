// Export and import of the host's backend library.
#pragma once

#ifdef HOST_BACKEND_BUILD
#define HOST_BACKEND_API __declspec(dllexport)
#else
#define HOST_BACKEND_API __declspec(dllimport)
#endif
