#include "ephemeris/ReferenceTable.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace orbenza::testing {

namespace {

std::vector<ReferenceRow> readRows() {
    std::vector<ReferenceRow> rows;
    const std::string path =
        std::string(ORBENZA_SOURCE_DIR) + "/tests/core/ephemeris/reference-longitudes.txt";
    std::ifstream in(path);
    if (!in) {
        ADD_FAILURE() << "cannot open " << path;
        return rows;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        ReferenceRow row;
        row.lineNumber = lineNumber;
        char latHemisphere = 0, lonHemisphere = 0;
        PointArray<double>& l = row.longitudesDeg;
        const int fields =
            std::sscanf(line.c_str(),
                        "%d-%d-%d %d:%d %d:%d%c %d:%d%c %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf "
                        "%lf %lf %lf %lf %lf "
                        "%lf",
                        &row.year, &row.month, &row.day, &row.hour, &row.minute, &row.latDeg,
                        &row.latMin, &latHemisphere, &row.lonDeg, &row.lonMin, &lonHemisphere,
                        &row.deltaTSeconds, &l[Body::Sun], &l[Body::Moon], &l[Body::Mercury],
                        &l[Body::Venus], &l[Body::Mars], &l[Body::Jupiter], &l[Body::Saturn],
                        &l[Body::Uranus], &l[Body::Neptune], &l[Body::Pluto], &l[Body::Ascendant],
                        &l[Body::Chiron], &l[Body::TrueNode], &l[Body::MeanNode], &l[Body::Lilith]);
        if (fields != 27 || (latHemisphere != 'N' && latHemisphere != 'S') ||
            (lonHemisphere != 'E' && lonHemisphere != 'W')) {
            ADD_FAILURE() << path << ':' << lineNumber << ": unreadable row: " << line;
            continue;
        }
        row.south = latHemisphere == 'S';
        row.east = lonHemisphere == 'E';
        row.text = line.substr(0, line.find(' ', line.find(' ', line.find(' ', 17) + 1) + 1));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

const std::vector<ReferenceRow>& referenceRows() {
    static const std::vector<ReferenceRow> rows = readRows();
    return rows;
}

double differenceArcsec(double aDeg, double bDeg) {
    double d = std::fmod(aDeg - bDeg, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d < -180.0)
        d += 360.0;
    return d * 3600.0;
}

} // namespace orbenza::testing
