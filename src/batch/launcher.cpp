// kelvo-batch: starts the tool proper, kelvo-batch-run, with the
// C library's heap in huge pages. A big table is millions of small strings
// on the heap; in huge pages the heap costs a page fault per 2 MiB instead
// of per 4 KiB, which is most of what a big read costs on a virtual machine.
// The library takes that wish only when a program starts, and starting the
// Qt tool twice to give it would cost more than a small run takes, so this
// small program, which needs nothing but the C library, gives it first.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// The folder this program was started from, with its closing "/".
std::string ownFolder(const char *argv0)
{
    std::string self;
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0)
        self.assign(buffer, size_t(n));
    else if (argv0)
        self = argv0;
    const size_t slash = self.rfind('/');
    return slash == std::string::npos ? std::string("./") : self.substr(0, slash + 1);
}

}  // namespace

int main(int argc, char **argv)
{
    (void)argc;
    std::string tunables = "glibc.malloc.hugetlb=1";
    if (const char *given = std::getenv("GLIBC_TUNABLES"); given && *given)
        tunables = std::string(given) + ':' + tunables;
    // without the wish the tool works all the same, only slower
    setenv("GLIBC_TUNABLES", tunables.c_str(), 1);
    // beside it in the build folder; where installed, in its internal folder
    std::string tool = ownFolder(argv[0]) + "kelvo-batch-run";
#ifdef KELVO_INSTALLED_TOOL
    if (access(tool.c_str(), X_OK) != 0)
        tool = ownFolder(argv[0]) + KELVO_INSTALLED_TOOL;
#endif
    execv(tool.c_str(), argv);
    std::fprintf(stderr, "kelvo-batch: %s could not be started: %s\n", tool.c_str(),
                 std::strerror(errno));
    return 2;
}
