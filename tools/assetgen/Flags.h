#pragma once
#include <string>
#include <vector>

#include <QImage>
#include <QPainterPath>

namespace tresilva {

struct Flag {
    std::string code;     // the currency, "DEM" ... "JPY", in slot order
    std::string country;  // as the picture shows it
    QImage image;      // 16 x 11 with a one-pixel black frame
};

// The fifteen flags in currency order: DEM ATS BEF ESP FIM FRF IEP ITL LUF NLG
// PTE EUR USD GBP JPY.
std::vector<Flag> AllFlags();
// The European flag's ring of twelve five-pointed stars for a flag `height`
// high, centred on (centreX, centreY); the waving flag draws them too.
QPainterPath EuropeanStars(double centreX, double centreY, double height);

}  // namespace tresilva
