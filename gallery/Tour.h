// The gallery's guided tour: the roads a host developer cares about, each a
// named step driven by real mouse and keyboard input through the gallery's
// own message pump, its result checked on the page and a picture saved.
#pragma once

class GalleryWindow;

// Runs every step with the window shown and saves into pszFolder one
// picture per step ("<nn>-<step>.bmp"), the controls cropped for the
// README ("pictures\<control>.bmp") and the printed chart
// ("print-chart.pdf"). Returns 0, or 1 after printing which step failed
// and why.
int RunTour(GalleryWindow& window, const char* pszFolder);
