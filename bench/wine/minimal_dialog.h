#pragma once

// The yardstick's dialog template and its one control.
#define IDD_MINIMAL 100
#define IDC_MINIMAL_LIST 1000
