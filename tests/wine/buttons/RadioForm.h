#pragma once

#define IDD_RADIO_FORM 300
#define IDC_RADIO_FIRST 3001
#define IDC_RADIO_SECOND 3002
