#pragma once

class QWidget;
class SubtitleTable;

// "Fordított felirat ellenőrzése" of the translation workspace: the check
// window over the translation table from its current row.
void checkTranslationSpelling(SubtitleTable &table, QWidget *parent);
