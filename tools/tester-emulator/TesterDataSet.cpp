#include "TesterDataSet.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// splitmix64: small, fast and fully defined, unlike the standard distributions.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A whole number from lo to hi, both included.
    long long between(long long lo, long long hi)
    {
        return lo + static_cast<long long>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

    bool chance(int perMille) { return between(0, 999) < perMille; }

private:
    std::uint64_t state;
};

struct Visit
{
    const char *date;
    const char *site;
    int firstInverter;
    int inverters;
    int stringsPerInverter;
    int modulesPerString;
    int irradianceLow; // the day's weather, W/m2
    int irradianceHigh;
    int ambient; // C
};

const Visit visits[] = {
    {"2024-04-08", "Hillside Farm", 1, 2, 12, 20, 820, 960, 14},
    {"2024-04-09", "Riverside Depot", 1, 3, 10, 18, 380, 620, 11},
    {"2024-04-11", "St Aidan's School", 1, 2, 8, 16, 700, 880, 16},
    {"2024-04-15", "Marsh Lane Solar Park", 1, 6, 8, 22, 880, 1020, 18},
    {"2024-04-16", "Marsh Lane Solar Park", 7, 6, 8, 22, 600, 900, 15},
    {"2024-04-18", "Oakfield Dairy", 1, 2, 10, 19, 450, 700, 9},
    {"2024-04-22", "Harbour View Apartments", 1, 4, 6, 14, 760, 940, 17},
    {"2024-04-23", "Greenway Business Park", 1, 4, 10, 20, 840, 1010, 21},
};

// value / 10^decimals with a decimal point, e.g. (7423, 1) -> "742.3".
std::string fixed(long long value, int decimals)
{
    long long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%0*lld", value < 0 ? "-" : "",
                  (value < 0 ? -value : value) / scale, decimals,
                  (value < 0 ? -value : value) % scale);
    return text;
}

// The data set; the records (their Record numbers) of the strings one module short go to
// *shortRecords when given.
std::string generate(std::vector<int> *shortRecords)
{
    Random random(0x4D61726C756E6531ULL);
    std::string out = "Record,Date,Time,Site,String,Voc (V),Isc (A),Irradiance (W/m2),"
                      "Module Temp (C),Riso (MOhm),Continuity (Ohm),Result\r\n";
    int record = 0;
    for (const Visit &visit : visits) {
        long long seconds = 8 * 3600 + 20 * 60 + random.between(0, 900);
        for (int inverter = 0; inverter < visit.inverters; ++inverter) {
            for (int string = 1; string <= visit.stringsPerInverter; ++string) {
                ++record;
                seconds += random.between(70, 260);

                // Irradiance climbs a little through the morning.
                const long long minutes = seconds / 60 - 8 * 60;
                long long irradiance =
                    random.between(visit.irradianceLow, visit.irradianceHigh) + minutes / 4;
                if (irradiance > 1090)
                    irradiance = 1090 - random.between(0, 20);

                // Module temperature in tenths of a degree.
                const long long temp =
                    visit.ambient * 10 + irradiance * 28 / 100 + random.between(-15, 15);

                // Open-circuit voltage in millivolts: 38.4 V per module at 25 C,
                // -0.29 %/C; now and then a bypassed module or a swapped plug.
                int modules = visit.modulesPerString;
                const bool lowVoc = random.chance(25);
                if (lowVoc) {
                    modules -= 1;
                    if (shortRecords)
                        shortRecords->push_back(record);
                }
                const long long ppm = 1000000 - 290 * (temp - 250) + random.between(-4000, 4000);
                const long long vocMilli = modules * 38400LL * ppm / 1000000;

                // Short-circuit current in milliamps: 10.45 A at 1000 W/m2, +0.05 %/C.
                const long long iscMilli =
                    10450 * irradiance / 1000 * (1000000 + 50 * (temp - 250)) / 1000000 +
                    random.between(-120, 120);

                // Insulation resistance in tenths of a megohm, earth continuity
                // in hundredths of an ohm; a few fail.
                const bool lowRiso = random.chance(20);
                const long long riso = lowRiso ? random.between(2, 9) : random.between(180, 9999);
                const bool highContinuity = random.chance(15);
                const long long continuity =
                    highContinuity ? random.between(115, 380) : random.between(6, 68);

                // The tester judges each record by its own limits alone: it does not know how
                // many modules the string should have.
                const bool pass = !lowRiso && !highContinuity;

                char time[48];
                std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld", seconds / 3600,
                              seconds / 60 % 60, seconds % 60);
                char stringName[48];
                std::snprintf(stringName, sizeof stringName, "INV%d-S%02d",
                              visit.firstInverter + inverter, string);

                out += std::to_string(record) + ',' + visit.date + ',' + time + ',' + visit.site +
                       ',' + stringName + ',' + fixed((vocMilli + 50) / 100, 1) + ',' +
                       fixed((iscMilli + 5) / 10, 2) + ',' + std::to_string(irradiance) + ',' +
                       fixed(temp, 1) + ',' + fixed(riso, 1) + ',' + fixed(continuity, 2) + ',' +
                       (pass ? "PASS" : "FAIL") + "\r\n";
            }
        }
    }
    return out;
}

} // namespace

std::string TesterDataSet::builtIn()
{
    return generate(nullptr);
}

std::vector<int> TesterDataSet::oneModuleShort()
{
    std::vector<int> records;
    generate(&records);
    return records;
}
