// Entry point of Keystrider.exe: the framework's start routine runs the application object theApp.
#include "app/KeystriderApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nCmdShow)
{
    // Naming theApp here also links it (and with it the whole application) into the program.
    if (AfxGetApp() != &theApp)
        return 1;
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
