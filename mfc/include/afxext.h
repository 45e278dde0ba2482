// MFC extensions header; the subset's extension classes live in afxwin.h.
#pragma once

#include "afxwin.h"
