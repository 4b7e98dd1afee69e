// When a picture first reaches the screen: polls one pixel of the X screen every millisecond and
// prints the milliseconds from its own start until that pixel has a colour, neither black (the
// bare screen) nor grey (an empty window). Start it just before the program it watches.
//
//   firstpixels X Y [MAX_MS]     exits 1 when MAX_MS (default 120000) pass first

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: firstpixels X Y [MAX_MS]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const double maxMs = argc > 3 ? std::atof(argv[3]) : 120000.0;
    const auto start = std::chrono::steady_clock::now();
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window root = DefaultRootWindow(display);
    for (;;) {
        const double ms
            = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                  .count();
        if (ms > maxMs)
            return 1;
        if (XImage *image = XGetImage(display, root, x, y, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            const unsigned long red = (pixel >> 16) & 0xff, green = (pixel >> 8) & 0xff,
                                blue = pixel & 0xff;
            if (!(red == green && green == blue)) {
                std::printf("%.0f\n", ms);
                return 0;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
