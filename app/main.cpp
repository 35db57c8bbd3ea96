#include <windows.h>

#include "app/lotwarden_app.h"

namespace {

CLotwardenApp application;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return application.Main();
}
