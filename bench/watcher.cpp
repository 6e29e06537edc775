// Starts a program in the current X display and reports, from outside, how quickly its first
// window comes up and how much it costs:
//
//   startup-watcher [--settle MS] [--idle MS] [--timeout MS] [--frame FILE.ppm] -- PROGRAM [ARG ...]
//
// mapped_ms   time from the start of the process to the MapNotify of its first top-level window
// painted_ms  time to the first complete frame: the DAMAGE event after which the window's pixels
//             are no longer one flat colour, in its upper half and in its lower half
// cpu_ms      CPU time of the process (all threads) at that moment
// idle_cpu_pct, wakeups_per_s
//             over IDLE ms that begin SETTLE ms after the paint, while nobody touches the window;
//             a wake-up is a context switch of any of its threads
// peak_rss_kib
//             the process's peak resident set at the end of that time
// threads     its thread count then
//
// --frame saves the frame that counted as painted, to check that it is complete.
// It needs a display without a window manager (Xvfb) on which nothing else opens windows, and a
// root window of one flat colour (Xvfb -br), because the unpainted window shows what lies below.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

double cpuMs(clockid_t clock)
{
    timespec ts{};
    if (clock_gettime(clock, &ts) != 0)
        return -1;
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

void sleepMs(double ms)
{
    timespec ts{static_cast<time_t>(ms / 1000), static_cast<long>(static_cast<long long>(ms * 1e6) % 1000000000LL)};
    while (nanosleep(&ts, &ts) != 0) {
    }
}

// Voluntary and involuntary context switches of all threads of a process, and the thread count.
long contextSwitches(pid_t pid, int *threads)
{
    long total = 0;
    int count = 0;
    const std::string dirName = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(dirName.c_str());
    if (!dir)
        return -1;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        FILE *f = fopen((dirName + "/" + entry->d_name + "/status").c_str(), "r");
        if (!f)
            continue;
        ++count;
        char line[256];
        long value = 0;
        while (fgets(line, sizeof line, f)) {
            if (sscanf(line, "voluntary_ctxt_switches: %ld", &value) == 1
                || sscanf(line, "nonvoluntary_ctxt_switches: %ld", &value) == 1)
                total += value;
        }
        fclose(f);
    }
    closedir(dir);
    if (threads)
        *threads = count;
    return total;
}

long peakRssKib(pid_t pid)
{
    FILE *f = fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!f)
        return -1;
    char line[256];
    long value = -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld", &value) == 1)
            break;
    fclose(f);
    return value;
}

int ignoreXErrors(Display *, XErrorEvent *)
{
    // Windows of the program may vanish or be input-only while we look at them.
    return 0;
}

bool flat(XImage *image, int top, int bottom)
{
    const unsigned long first = XGetPixel(image, 0, top) & 0xFFFFFF;
    for (int y = top; y < bottom; ++y) {
        if (image->bits_per_pixel == 32) {
            const auto *row = reinterpret_cast<const std::uint32_t *>(image->data + y * image->bytes_per_line);
            for (int x = 0; x < image->width; ++x)
                if ((row[x] & 0xFFFFFF) != first)
                    return false;
        } else {
            for (int x = 0; x < image->width; ++x)
                if ((XGetPixel(image, x, y) & 0xFFFFFF) != first)
                    return false;
        }
    }
    return true;
}

// Where --frame asks for it, the frame that counted as painted, as a binary PPM file.
const char *frameFile = nullptr;

void saveFrame(XImage *image)
{
    FILE *f = fopen(frameFile, "wb");
    if (!f)
        return;
    fprintf(f, "P6\n%d %d\n255\n", image->width, image->height);
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                                          static_cast<unsigned char>(pixel)};
            fwrite(rgb, 1, 3, f);
        }
    fclose(f);
}

// A complete frame: both halves of the window show more than one colour.
bool painted(Display *display, Window window)
{
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable
        || attributes.height < 2)
        return false;
    XImage *image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return false;
    const int half = attributes.height / 2;
    const bool complete = !flat(image, 0, half) && !flat(image, half, attributes.height);
    if (complete && frameFile)
        saveFrame(image);
    XDestroyImage(image);
    return complete;
}

[[noreturn]] void usage()
{
    fprintf(stderr, "usage: startup-watcher [--settle MS] [--idle MS] [--timeout MS] [--frame FILE.ppm] -- PROGRAM [ARG ...]\n");
    exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    double settleMs = 500, idleMs = 5000, timeoutMs = 20000;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc)
            usage();
        if (arg == "--settle")
            settleMs = atof(argv[++first]);
        else if (arg == "--idle")
            idleMs = atof(argv[++first]);
        else if (arg == "--timeout")
            timeoutMs = atof(argv[++first]);
        else if (arg == "--frame")
            frameFile = argv[++first];
        else
            usage();
    }
    if (first >= argc)
        usage();

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        fprintf(stderr, "startup-watcher: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        fprintf(stderr, "startup-watcher: the display has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("startup-watcher: fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        // The program's own messages would mix with the report.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[first], argv + first);
        perror("startup-watcher: exec");
        _exit(127);
    }
    clockid_t cpuClock{};
    if (clock_getcpuclockid(pid, &cpuClock) != 0) {
        fprintf(stderr, "startup-watcher: no CPU clock for the program\n");
        return 2;
    }

    // Every top-level window the program creates gets a damage object at once, so that no paint
    // between its creation and its mapping goes unseen; the first one mapped is the one we time.
    std::vector<std::pair<Window, Damage>> created;
    Window target = None;
    double mappedAt = -1, paintedAt = -1, paintedCpu = -1;
    const int fd = ConnectionNumber(display);
    while (paintedAt < 0) {
        if (nowMs() - start > timeoutMs || waitpid(pid, nullptr, WNOHANG) == pid) {
            fprintf(stderr, "startup-watcher: %s painted no window\n", argv[first]);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        if (!XPending(display)) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(fd, &fds);
            timeval tv{0, 20000};
            select(fd + 1, &fds, nullptr, nullptr, &tv);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double at = nowMs();
        if (event.type == CreateNotify && event.xcreatewindow.parent == root
            && !event.xcreatewindow.override_redirect && target == None) {
            const Window w = event.xcreatewindow.window;
            created.emplace_back(w, XDamageCreate(display, w, XDamageReportNonEmpty));
        } else if (event.type == MapNotify && event.xmap.event == root && target == None) {
            for (const auto &[w, damage] : created) {
                if (w == event.xmap.window) {
                    target = w;
                    mappedAt = at;
                    // It may have painted before we heard of the mapping.
                    const double cpu = cpuMs(cpuClock);
                    if (painted(display, target)) {
                        paintedAt = at;
                        paintedCpu = cpu;
                    }
                }
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *notify = reinterpret_cast<const XDamageNotifyEvent *>(&event);
            const double cpu = cpuMs(cpuClock);
            XDamageSubtract(display, notify->damage, None, None);
            if (notify->drawable == target && target != None && painted(display, target)) {
                paintedAt = at;
                paintedCpu = cpu;
            }
        }
    }
    // From here on the window is left alone.
    for (const auto &[w, damage] : created)
        XDamageDestroy(display, damage);
    XSelectInput(display, root, NoEventMask);
    XSync(display, False);

    sleepMs(settleMs);
    int threads = 0;
    const double cpuBefore = cpuMs(cpuClock);
    const long switchesBefore = contextSwitches(pid, nullptr);
    const double idleStart = nowMs();
    sleepMs(idleMs);
    const double cpuAfter = cpuMs(cpuClock);
    const long switchesAfter = contextSwitches(pid, &threads);
    const double idleSpan = nowMs() - idleStart;
    long peak = peakRssKib(pid);

    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    for (int i = 0; i < 100 && wait4(pid, &status, WNOHANG, &usage) != pid; ++i)
        sleepMs(10);
    if (kill(pid, 0) == 0) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
    }
    if (usage.ru_maxrss > peak)
        peak = usage.ru_maxrss;

    printf("mapped_ms=%.1f painted_ms=%.1f cpu_ms=%.1f peak_rss_kib=%ld idle_cpu_pct=%.3f wakeups_per_s=%.2f "
           "threads=%d\n",
           mappedAt - start, paintedAt - start, paintedCpu, peak, 100.0 * (cpuAfter - cpuBefore) / idleSpan,
           1000.0 * (switchesAfter - switchesBefore) / idleSpan, threads);
    XCloseDisplay(display);
    return 0;
}
