/* post_mouse.c -- posts mouse-move messages to a window of the game under Wine,
 * COUNT of them at each client point X Y, in order. */
#include <stdio.h>
#include <stdlib.h>
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
        }
    }
    return 0;
}
