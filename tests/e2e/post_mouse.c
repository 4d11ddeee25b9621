/* post_mouse.c -- mouse input for the end-to-end run.
 *
 * Built with MinGW-w64, it posts one mouse-move message to a window of the
 * game under Wine, at the client point X Y: the run waits for each move to
 * show before it posts the next, as two waiting together can turn once.
 *
 * Built natively, it moves the X pointer as a mouse would (XTest, libXtst
 * loaded at run time): REPORTS reports a second for SECONDS, each DX pixels
 * to the right, and prints the seconds they took. */
#include <stdio.h>
#include <stdlib.h>

#ifdef _WIN32
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: post_mouse TITLE X Y\n");
        return 2;
    }
    HWND window = FindWindowA(NULL, argv[1]);
    if (window == NULL) {
        fprintf(stderr, "post_mouse: no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    if (!PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(atoi(argv[2]), atoi(argv[3])))) {
        fprintf(stderr, "post_mouse: PostMessage failed with error %lu\n", GetLastError());
        return 1;
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
