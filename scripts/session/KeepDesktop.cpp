// Holds the Wine session's desktop open while the session runs. Wine closes
// a desktop when the last program using it ends and starts it again (a new
// explorer process) for the next one: that costs each program start about a
// third of its second, and the new desktop comes up while the program is
// already asking for the foreground. scripts/wine-session.sh starts this
// once before the session's command and ends it after.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ::GetDesktopWindow(); // makes this process a user of the desktop
    ::Sleep(INFINITE);
    return 0;
}
