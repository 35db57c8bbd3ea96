/* Stands in for the system's help program in the hyperlink tests: all that
   matters is its cursor resource 106. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    return 0;
}
