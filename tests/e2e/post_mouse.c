/* post_mouse.c -- mouse input for the end-to-end run.
 *
 * Built with MinGW-w64, it posts mouse-move messages to a window of the game
 * under Wine, COUNT of them at each client point X Y, in order, 10 ms apart:
 * as a mouse reports, no faster than the game's default mouse rate, which
 * would merge them.
 *
 * Built natively, it moves the X pointer as a mouse would (XTest, libXtst
 * loaded at run time): REPORTS reports a second for SECONDS, each DX pixels
 * to the right, and prints the seconds they took. */
#include <stdio.h>
#include <stdlib.h>

#ifdef _WIN32
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 5 || (argc - 2) % 3 != 0) {
        fprintf(stderr, "usage: post_mouse TITLE X Y COUNT [X Y COUNT]...\n");
        return 2;
    }
    HWND window = FindWindowA(NULL, argv[1]);
    if (window == NULL) {
        fprintf(stderr, "post_mouse: no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; i += 3) {
        LPARAM at = MAKELPARAM(atoi(argv[i]), atoi(argv[i + 1]));
        for (int n = atoi(argv[i + 2]); n > 0; --n) {
            if (!PostMessageA(window, WM_MOUSEMOVE, 0, at)) {
                fprintf(stderr, "post_mouse: PostMessage failed with error %lu\n", GetLastError());
                return 1;
            }
            Sleep(10);
        }
    }
    return 0;
}

#else
#include <dlfcn.h>
#include <time.h>

/* Each report a whole interval after the one before: on a busy machine the
 * reports come late, never in a burst, so that each still counts. */
int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: post_mouse REPORTS SECONDS DX\n");
        return 2;
    }
    void* x11 = dlopen("libX11.so.6", RTLD_NOW);
    void* xtst = dlopen("libXtst.so.6", RTLD_NOW);
    if (x11 == NULL || xtst == NULL) {
        fprintf(stderr, "post_mouse: %s\n", dlerror());
        return 1;
    }
    void* (*open_display)(const char*) = (void* (*)(const char*))dlsym(x11, "XOpenDisplay");
    int (*flush)(void*) = (int (*)(void*))dlsym(x11, "XFlush");
    int (*move)(void*, int, int, unsigned long) =
        (int (*)(void*, int, int, unsigned long))dlsym(xtst, "XTestFakeRelativeMotionEvent");
    void* display = open_display ? open_display(NULL) : NULL;
    if (display == NULL || flush == NULL || move == NULL) {
        fprintf(stderr, "post_mouse: no X display or no XTest\n");
        return 1;
    }
    const long rate = atol(argv[1]);
    const long reports = (long)(rate * atof(argv[2]));
    const int dx = atoi(argv[3]);
    struct timespec start, end, gap = {0, 1000000000L / rate};
    clock_gettime(CLOCK_MONOTONIC, &start);
    for (long n = 0; n < reports; ++n) {
        move(display, dx, 0, 0);
        flush(display);
        clock_nanosleep(CLOCK_MONOTONIC, 0, &gap, NULL);
    }
    clock_gettime(CLOCK_MONOTONIC, &end);
    printf("%.3f\n", (double)(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9);
    return 0;
}
#endif
