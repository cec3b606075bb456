#pragma once

// The program's windows, created once at start-up in their fixed order and
// alive for the whole run. Windows reach each other through this registry.
class TFoForm;
class TKiszoveg;
class TInfo;
class TUjFelirat;
class TLeiras;
class TFelirat;
class TVerzioinfo;
class TKereses;
class TFileneve;
class THibaki;
class TAtfedes;
class TFpsValtas;
class TAviKi;
class TMentesMaskent;
class TCd2cd1;
class TErtek2cd;
class TForditas;
class TFordElott;

struct Windows {
    TFoForm *foForm = nullptr;
    TKereses *kereses = nullptr;
    TFileneve *fileneve = nullptr;
    TKiszoveg *kiszoveg = nullptr;
    TInfo *info = nullptr;
    TUjFelirat *ujFelirat = nullptr;
    TLeiras *leiras = nullptr;
    TFelirat *felirat = nullptr;
    THibaki *hibaki = nullptr;
    TAtfedes *atfedes = nullptr;
    TMentesMaskent *mentesMaskent = nullptr;
    TVerzioinfo *verzioinfo = nullptr;
    TFpsValtas *fpsValtas = nullptr;
    TAviKi *aviKi = nullptr;
    TCd2cd1 *cd2cd1 = nullptr;
    TErtek2cd *ertek2cd = nullptr;
    TForditas *forditas = nullptr;
    TFordElott *fordElott = nullptr;
};

Windows &windows();
