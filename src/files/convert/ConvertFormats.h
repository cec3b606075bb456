#pragma once
#include "files/convert/ConvertLayout.h"

// The layouts of the written conversion formats; the format registry
// (files/SubtitleFormat.cpp) points to them.
namespace layouts {
extern const ConvertLayout adobeEncore, ass, captions32, captionsDat, captionsDatText,
    captionsInc, cheetah, cpc600, dks, dvdJunior, dvdSubtitleSystem, dvdSubtitle, fab, inscriber,
    jacosub, lrc, vkt, macDvdStudioPro, mplayer2, ovr, panimator, philips, pinnacle, powerDivX,
    powerPixel, quickTime, realTime, sami, sasami, sbt, sofni, sonicScenarist, sonicDvd,
    spruceMaestro, spruceStl, sstScript, subCreator, ssa, subViewer1, subViewer2, turboTitler,
    ulead, viplay, zeroG;
}
