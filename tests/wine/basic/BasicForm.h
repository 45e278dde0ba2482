#pragma once

#define IDD_BASIC_FORM 300
#define IDC_FILTER_EDIT 3001
#define IDC_PLAIN_EDIT 3002
