// Locking a QMutex so that ThreadSanitizer sees it. Qt 5's QMutex locks and unlocks inside
// the (uninstrumented) Qt Core library, so ThreadSanitizer would not see the ordering it
// gives and would report the data it guards as raced. These helpers tell ThreadSanitizer
// about each lock and unlock through its mutex annotations; other builds lock the QMutex
// exactly as usual.
#pragma once

#include <QMutex>

#if defined(__SANITIZE_THREAD__)
#define ML_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define ML_TSAN 1
#endif
#endif

#ifdef ML_TSAN
#include <sanitizer/tsan_interface.h>
#endif

namespace Ml {

class TsanMutex
{
public:
    static void lock(QMutex &mutex)
    {
#ifdef ML_TSAN
        __tsan_mutex_pre_lock(&mutex, 0);
        mutex.lock();
        __tsan_mutex_post_lock(&mutex, 0, 0);
#else
        mutex.lock();
#endif
    }

    static void unlock(QMutex &mutex)
    {
#ifdef ML_TSAN
        __tsan_mutex_pre_unlock(&mutex, 0);
        mutex.unlock();
        __tsan_mutex_post_unlock(&mutex, 0);
#else
        mutex.unlock();
#endif
    }

    // Holds the mutex for a scope.
    class Locker
    {
    public:
        explicit Locker(QMutex &mutex) : held(mutex) { lock(held); }
        ~Locker() { unlock(held); }
        Locker(const Locker &) = delete;
        Locker &operator=(const Locker &) = delete;

    private:
        QMutex &held;
    };
};

} // namespace Ml
