#pragma once
#include <QString>

#include "batch/Batch.h"

// The manual page (troff, man(7) macros) of kelvo-batch, made from the same
// tables as --help, so the two never tell different commands or options.
QString batchManPage(const QString &version, BatchCommandList commands = batchCommands());
