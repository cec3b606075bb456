#include <QCoreApplication>
#include <cstdio>

#include "batch/Batch.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runBatch(app.arguments().mid(1));
}
