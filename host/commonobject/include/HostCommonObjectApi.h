// Export and import of the host's common-object library.
#pragma once

#ifdef HOST_COMMONOBJECT_BUILD
#define HOST_COMMONOBJECT_API __declspec(dllexport)
#else
#define HOST_COMMONOBJECT_API __declspec(dllimport)
#endif
