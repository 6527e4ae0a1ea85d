/* Fails one call of the file system, for the fault-injection run: loaded with LD_PRELOAD, it
 * counts the calls that write files under $TAVO_FAULT_DIR (opening or creating a file to write,
 * each write, sync, close and rename of it) and makes call number $TAVO_FAULT_AT fail with EIO,
 * as a failing disk would. Reading is left alone.
 * It writes "hit <call>" or "missed <count>" to $TAVO_FAULT_REPORT when the program ends. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static const char* fault_dir;
static long fault_at;
static long counted;
static char hit[64];
static unsigned char watched[65536];

static void Start(void) __attribute__((constructor));
static void Start(void) {
    fault_dir = getenv("TAVO_FAULT_DIR");
    const char* at = getenv("TAVO_FAULT_AT");
    fault_at = at ? atol(at) : 0;
}

static void Report(void) __attribute__((destructor));
static void Report(void) {
    const char* path = getenv("TAVO_FAULT_REPORT");
    if (!path) return;
    FILE* report = fopen(path, "w");
    if (!report) return;
    if (hit[0])
        fprintf(report, "hit %s\n", hit);
    else
        fprintf(report, "missed %ld\n", counted);
    fclose(report);
}

static int Writes(int flags) { return (flags & (O_WRONLY | O_RDWR | O_CREAT)) != 0; }

static int Under(const char* path) {
    if (!fault_dir || !path) return 0;
    if (path[0] != '/') return 1; /* relative names: the run works in the folder itself */
    return strncmp(path, fault_dir, strlen(fault_dir)) == 0;
}

/* Counts one call; true when this one is to fail. */
static int Fails(const char* what) {
    ++counted;
    if (fault_at <= 0 || counted != fault_at) return 0;
    snprintf(hit, sizeof hit, "%s", what);
    errno = EIO;
    return 1;
}

static void Watch(int fd, int on) {
    if (fd >= 0 && fd < (int)sizeof watched) watched[fd] = (unsigned char)on;
}
static int Watched(int fd) { return fd >= 0 && fd < (int)sizeof watched && watched[fd]; }

/* The C library's own function of that name. */
#define REAL(name)                                \
    static __typeof__(&name) real_##name;         \
    if (!real_##name) {                           \
        union {                                   \
            void* object;                         \
            __typeof__(&name) function;           \
        } found;                                  \
        found.object = dlsym(RTLD_NEXT, #name);   \
        real_##name = found.function;             \
    }

int open(const char* path, int flags, ...) {
    REAL(open);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list args; va_start(args, flags); mode = va_arg(args, mode_t); va_end(args); }
    const int under = Under(path) && Writes(flags);
    if (under && Fails("open")) return -1;
    const int fd = real_open(path, flags, mode);
    Watch(fd, under);
    return fd;
}
int open64(const char* path, int flags, ...) {
    REAL(open64);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list args; va_start(args, flags); mode = va_arg(args, mode_t); va_end(args); }
    const int under = Under(path) && Writes(flags);
    if (under && Fails("open")) return -1;
    const int fd = real_open64(path, flags, mode);
    Watch(fd, under);
    return fd;
}
int openat(int dir, const char* path, int flags, ...) {
    REAL(openat);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list args; va_start(args, flags); mode = va_arg(args, mode_t); va_end(args); }
    const int under = Under(path) && Writes(flags);
    if (under && Fails("open")) return -1;
    const int fd = real_openat(dir, path, flags, mode);
    Watch(fd, under);
    return fd;
}
int openat64(int dir, const char* path, int flags, ...) {
    REAL(openat64);
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) { va_list args; va_start(args, flags); mode = va_arg(args, mode_t); va_end(args); }
    const int under = Under(path) && Writes(flags);
    if (under && Fails("open")) return -1;
    const int fd = real_openat64(dir, path, flags, mode);
    Watch(fd, under);
    return fd;
}
int mkstemp(char* pattern) {
    REAL(mkstemp);
    const int under = Under(pattern);
    if (under && Fails("create")) return -1;
    const int fd = real_mkstemp(pattern);
    Watch(fd, under);
    return fd;
}
int mkostemp(char* pattern, int flags) {
    REAL(mkostemp);
    const int under = Under(pattern);
    if (under && Fails("create")) return -1;
    const int fd = real_mkostemp(pattern, flags);
    Watch(fd, under);
    return fd;
}
ssize_t write(int fd, const void* data, size_t size) {
    REAL(write);
    if (Watched(fd) && Fails("write")) return -1;
    return real_write(fd, data, size);
}
int fsync(int fd) {
    REAL(fsync);
    if (Watched(fd) && Fails("sync")) return -1;
    return real_fsync(fd);
}
int fdatasync(int fd) {
    REAL(fdatasync);
    if (Watched(fd) && Fails("sync")) return -1;
    return real_fdatasync(fd);
}
int syncfs(int fd) {
    REAL(syncfs);
    if (Watched(fd) && Fails("sync")) return -1;
    return real_syncfs(fd);
}
int close(int fd) {
    REAL(close);
    const int was = Watched(fd);
    Watch(fd, 0);
    const int result = real_close(fd);
    if (was && Fails("close")) return -1;
    return result;
}
int rename(const char* from, const char* to) {
    REAL(rename);
    if ((Under(from) || Under(to)) && Fails("rename")) return -1;
    return real_rename(from, to);
}
int renameat(int fromDir, const char* from, int toDir, const char* to) {
    REAL(renameat);
    if ((Under(from) || Under(to)) && Fails("rename")) return -1;
    return real_renameat(fromDir, from, toDir, to);
}
int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags) {
    REAL(renameat2);
    if ((Under(from) || Under(to)) && Fails("rename")) return -1;
    return real_renameat2(fromDir, from, toDir, to, flags);
}
