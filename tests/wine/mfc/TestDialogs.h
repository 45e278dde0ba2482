#pragma once

#define IDD_TEST_FORM 100
#define IDC_TEST_EDIT 1001
