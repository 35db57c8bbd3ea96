#pragma once

// The hyperlink tests' own dialog, apart from the program's resources.
#define IDD_LINK_TEST 950
#define IDC_LINK_LEFT 951
#define IDC_LINK_CENTRED 952
#define IDC_LINK_EMPTY 953
#define IDC_LINK_OTHER 954

// Cursor 106 of the stand-in help program, and its hot spot.
#define IDC_TEST_HAND 106
#define TEST_HAND_HOTSPOT_X 7
#define TEST_HAND_HOTSPOT_Y 2
