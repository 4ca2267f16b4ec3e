// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// Preloaded into Ixo before libfaketime by the scenarios that set the clock while Ixo runs. libfaketime moves the
// clock the program reads but never the kernel's, so a timerfd armed with TFD_TIMER_CANCEL_ON_SET would never learn
// of a faked clock set. This library stands in for the kernel: it remembers the timerfd last armed with that flag
// and, each time the faked time file ($FAKETIME_TIMESTAMP_FILE) is written or replaced, makes it readable and fails
// its next read() with ECANCELED, as the kernel does after a clock set or a resume. It says so on stderr.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <limits.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

static atomic_int watched_fd = -1;
static atomic_int cancel_pending;
static pthread_once_t watcher_started = PTHREAD_ONCE_INIT;

static void cancel_timer(void)
{
    const int fd = atomic_load(&watched_fd);
    if (fd < 0)
        return;
    // Expiring at once makes the fd readable; the read that follows is failed with ECANCELED.
    const struct itimerspec soon = {.it_value = {.tv_sec = 0, .tv_nsec = 1}};
    atomic_store(&cancel_pending, 1);
    int (*set_time)(int, int, const struct itimerspec*, struct itimerspec*) = dlsym(RTLD_NEXT, "timerfd_settime");
    set_time(fd, 0, &soon, NULL);
    fprintf(stderr, "clock_set_shim: the clock was set; timerfd %d cancelled\n", fd);
}

static void* watch_time_file(void* path)
{
    char folder[PATH_MAX];
    snprintf(folder, sizeof folder, "%s", (const char*)path);
    char* slash = strrchr(folder, '/');
    const char* name = slash ? strrchr((const char*)path, '/') + 1 : (const char*)path;
    if (slash)
        *slash = '\0';
    const int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0 || inotify_add_watch(watch, slash ? folder : ".", IN_CLOSE_WRITE | IN_MOVED_TO) < 0) {
        fprintf(stderr, "clock_set_shim: cannot watch %s\n", (const char*)path);
        return NULL;
    }
    char events[4096] __attribute__((aligned(__alignof__(struct inotify_event))));
    for (;;) {
        const ssize_t got = read(watch, events, sizeof events);
        if (got <= 0 && errno != EINTR)
            return NULL;
        for (ssize_t at = 0; at < got;) {
            const struct inotify_event* event = (const struct inotify_event*)(events + at);
            if (event->len > 0 && strcmp(event->name, name) == 0)
                cancel_timer();
            at += (ssize_t)(sizeof *event + event->len);
        }
    }
}

static void start_watcher(void)
{
    const char* path = getenv("FAKETIME_TIMESTAMP_FILE");
    pthread_t thread;
    if (!path || pthread_create(&thread, NULL, watch_time_file, strdup(path)) != 0) {
        fprintf(stderr, "clock_set_shim: no faked time file to watch\n");
        return;
    }
    pthread_detach(thread);
}

int timerfd_settime(int fd, int flags, const struct itimerspec* value, struct itimerspec* old)
{
    int (*next)(int, int, const struct itimerspec*, struct itimerspec*) = dlsym(RTLD_NEXT, "timerfd_settime");
    if (flags & TFD_TIMER_CANCEL_ON_SET) {
        atomic_store(&watched_fd, fd);
        pthread_once(&watcher_started, start_watcher);
    }
    return next(fd, flags, value, old);
}

ssize_t read(int fd, void* buffer, size_t size)
{
    static ssize_t (*next)(int, void*, size_t);
    if (!next)
        next = dlsym(RTLD_NEXT, "read");
    if (fd >= 0 && fd == atomic_load(&watched_fd) && atomic_exchange(&cancel_pending, 0)) {
        next(fd, buffer, size); // takes the expiry that made it readable
        errno = ECANCELED;
        return -1;
    }
    return next(fd, buffer, size);
}
