#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#ifdef __linux__
#include <unistd.h>
#endif

#include "batch/Batch.h"

namespace {

// A big table is millions of small strings on the heap. In huge pages the
// heap costs a page fault per 2 MiB instead of per 4 KiB, which is most of
// the time a big read takes on a virtual machine. The C library takes that
// wish only when a program starts, so the tool starts itself once more with
// it; when that fails it simply goes on.
void restartWithHugeHeap(char **argv)
{
#ifdef __linux__
    const char *mark = "KELVO_BATCH_HEAP";
    if (std::getenv(mark))
        return;
    std::string tunables = "glibc.malloc.hugetlb=1";
    if (const char *given = std::getenv("GLIBC_TUNABLES"); given && *given)
        tunables = std::string(given) + ':' + tunables;
    if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0 || setenv(mark, "1", 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // still here: the same process, as it was started
#else
    (void)argv;
#endif
}

}  // namespace

int main(int argc, char **argv)
{
    restartWithHugeHeap(argv);
    QCoreApplication app(argc, argv);
    batchLeavesTableAtExit = true;
    return runBatch(app.arguments().mid(1));
}
