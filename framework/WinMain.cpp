#include "framework/WinApp.h"

// The entry point of a program built on this framework (linked with -municode).
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    return AfxWinMain(instance);
}
