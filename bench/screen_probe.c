// A small X11 client for bench/program_bench.sh: it captures the root window, starts a program and
// times how long until the screen shows what it settles on, and presses the mouse or keys through
// the XTest extension as a user would.
//
//   screen_probe ref FILE            the screen now and 0.5 s later: the pixels equal in both
//                                    (those that do not animate) are the reference
//   screen_probe launch FILE SECS -- PROGRAM ARGS...
//                                    starts the program and prints "<pid> <seconds>": how long
//                                    until 99.5% of the reference pixels show (-1 after SECS)
//   screen_probe click X Y [KEYSYM...]
//                                    a left press and release at the root position, with the
//                                    keys held (e.g. Shift_L Control_L)
//   screen_probe key KEYSYM          a key press and release (e.g. Return, Escape, a)
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>
#include <unistd.h>

static Display* dpy;
static XImage* img;
static XShmSegmentInfo shm;
static int W, H;

static double Now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

static void Sleep(double s) {
    struct timespec t = {(time_t)s, (long)((s - (time_t)s) * 1e9)};
    nanosleep(&t, NULL);
}

static void Connect(void) {
    dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "screen_probe: no display\n");
        exit(2);
    }
}

static void OpenCapture(void) {
    int scr = DefaultScreen(dpy);
    W = DisplayWidth(dpy, scr);
    H = DisplayHeight(dpy, scr);
    img = XShmCreateImage(dpy, DefaultVisual(dpy, scr), DefaultDepth(dpy, scr), ZPixmap, NULL, &shm,
                          W, H);
    shm.shmid = shmget(IPC_PRIVATE, (size_t)img->bytes_per_line * H, IPC_CREAT | 0600);
    shm.shmaddr = img->data = shmat(shm.shmid, NULL, 0);
    shm.readOnly = False;
    XShmAttach(dpy, &shm);
    XSync(dpy, False);
    shmctl(shm.shmid, IPC_RMID, NULL);
}

static const uint32_t* Capture(void) {
    XShmGetImage(dpy, RootWindow(dpy, DefaultScreen(dpy)), img, 0, 0, AllPlanes);
    return (const uint32_t*)img->data;
}

// Reference file: width, height, then per pixel its value and whether it is stable.
static int Ref(const char* file) {
    OpenCapture();
    size_t n = (size_t)W * H;
    uint32_t* a = malloc(n * 4);
    memcpy(a, Capture(), n * 4);
    Sleep(0.5);
    const uint32_t* b = Capture();
    FILE* f = fopen(file, "wb");
    if (!f) return 2;
    fwrite(&W, sizeof W, 1, f);
    fwrite(&H, sizeof H, 1, f);
    for (size_t i = 0; i < n; ++i) {
        uint32_t v[2] = {a[i] & 0xFFFFFF, (a[i] & 0xFFFFFF) == (b[i] & 0xFFFFFF)};
        fwrite(v, sizeof v, 1, f);
    }
    fclose(f);
    return 0;
}

static int Launch(const char* file, double limit, char** argv) {
    OpenCapture();
    FILE* f = fopen(file, "rb");
    if (!f) return 2;
    int rw = 0, rh = 0;
    if (fread(&rw, sizeof rw, 1, f) != 1 || fread(&rh, sizeof rh, 1, f) != 1 || rw != W || rh != H)
        return 2;
    size_t n = (size_t)W * H;
    uint32_t* ref = malloc(n * 8);
    if (fread(ref, 8, n, f) != n) return 2;
    fclose(f);
    // Only the stable pixels that differ from the screen before the start say anything.
    const uint32_t* before = Capture();
    size_t* idx = malloc(n * sizeof *idx);
    size_t m = 0;
    for (size_t i = 0; i < n; ++i)
        if (ref[2 * i + 1] && ref[2 * i] != (before[i] & 0xFFFFFF)) idx[m++] = i;
    fflush(stdout);
    double t0 = Now();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    double found = -1;
    while (Now() - t0 < limit) {
        const uint32_t* p = Capture();
        size_t same = 0;
        for (size_t k = 0; k < m; ++k)
            if ((p[idx[k]] & 0xFFFFFF) == ref[2 * idx[k]]) ++same;
        if (m > 0 && same * 1000 >= m * 995) {
            found = Now() - t0;
            break;
        }
        Sleep(0.005);
    }
    printf("%d %.3f\n", (int)pid, found);
    return 0;
}

static int Click(int x, int y, int nkeys, char** keys) {
    int ev, er, maj, min;
    if (!XTestQueryExtension(dpy, &ev, &er, &maj, &min)) return 2;
    for (int i = 0; i < nkeys; ++i)
        XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, XStringToKeysym(keys[i])), True, 0);
    XTestFakeMotionEvent(dpy, -1, x, y, 0);
    XSync(dpy, False);
    Sleep(0.05);
    XTestFakeButtonEvent(dpy, 1, True, 0);
    XSync(dpy, False);
    Sleep(0.05);
    XTestFakeButtonEvent(dpy, 1, False, 0);
    for (int i = nkeys - 1; i >= 0; --i)
        XTestFakeKeyEvent(dpy, XKeysymToKeycode(dpy, XStringToKeysym(keys[i])), False, 0);
    XSync(dpy, False);
    return 0;
}

static int Key(const char* name) {
    KeySym sym = XStringToKeysym(name);
    if (sym == NoSymbol) return 2;
    KeyCode code = XKeysymToKeycode(dpy, sym);
    XTestFakeKeyEvent(dpy, code, True, 0);
    XSync(dpy, False);
    Sleep(0.03);
    XTestFakeKeyEvent(dpy, code, False, 0);
    XSync(dpy, False);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    Connect();
    if (!strcmp(argv[1], "ref") && argc == 3) return Ref(argv[2]);
    if (!strcmp(argv[1], "launch") && argc >= 6 && !strcmp(argv[4], "--"))
        return Launch(argv[2], atof(argv[3]), argv + 5);
    if (!strcmp(argv[1], "click") && argc >= 4)
        return Click(atoi(argv[2]), atoi(argv[3]), argc - 4, argv + 4);
    if (!strcmp(argv[1], "key") && argc == 3) return Key(argv[2]);
    fprintf(stderr, "screen_probe: bad arguments\n");
    return 2;
}
