#pragma once

// The framework tests' own dialog, apart from the program's resources.
#define IDD_TEST_DIALOG 900
#define IDC_TEST_EDIT 901
#define IDC_TEST_MANAGED 902
#define IDC_TEST_UNMANAGED 903
#define IDC_TEST_STATIC 904
#define IDC_TEST_PLAIN_STATIC 905
