#include <QCoreApplication>

#include "batch/Batch.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    batchLeavesTableAtExit = true;
    return runBatch(app.arguments().mid(1));
}
