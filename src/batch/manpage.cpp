// Writes kelvo-batch's manual page to the file named by the first argument;
// the build runs it, so the page follows the command table.
#include <QFile>
#include <cstdio>

#include "batch/BatchManual.h"

int main(int argc, char **argv)
{
    if (argc != 3) {
        fputs("usage: kelvo-batch-manpage VERSION OUT\n", stderr);
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || out.write(batchManPage(QString::fromUtf8(argv[1])).toUtf8()) < 0 || !out.flush()) {
        fprintf(stderr, "kelvo-batch-manpage: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
