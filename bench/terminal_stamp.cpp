// The GO benchmark's stand-in terminal: it writes the moment it runs (CLOCK_MONOTONIC, in
// nanoseconds) into the pipe named by VARNELO_STAMP and ends, running no script. It is linked
// statically, so the moment is its exec's, not the end of its own loading.
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

int main()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const char* const pipe = std::getenv("VARNELO_STAMP");
    if (!pipe)
        return 2;
    const int descriptor = ::open(pipe, O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return 1;
    const std::int64_t stamp = std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
    const bool written = ::write(descriptor, &stamp, sizeof stamp) == sizeof stamp;
    ::close(descriptor);
    return written ? 0 : 1;
}
