#include "time_zones.h"

namespace hoopdeck {

namespace {
const TimeZoneEntry TimeZoneTable[kTimeZoneCount] = {
    {"GMT-12 Kwajalein", -7},       {"GMT-11 Samoa,Midway", -6},     {"GMT-10 Hawaii", -5, true},
    {"GMT-9 Alaska", -4},           {"GMT-8 Pacific US", -3},        {"GMT-7 Mountain US", -2},
    {"GMT-7 Arizona", -2, true},          {"GMT-6 Central US", -1},        {"GMT-6 Saskatchewan", -1},
    {"GMT-6 Mexico City", -1},      {"GMT-6 Cent. America", -1},     {"GMT-5 Eastern US", 0},
    {"GMT-5 Indiana", 0, true},           {"GMT-5 Bogota,Lima", 0},        {"GMT-4 Atlantic", 1},
    {"GMT-4 Caracas,La Paz", 1},    {"GMT-4 Santiago", 1},           {"GMT-03 Newfoundland", 2},
    {"GMT-3 Brasilia", 2},          {"GMT-3 Buenos Aires", 2},       {"GMT-3 Greenland", 2},
    {"GMT-2 Mid-Atlantic", 3},      {"GMT-1 Azores", 4},             {"GMT-1 Cape Verde", 4},
    {"GMT-0 London,Dublin", 5},     {"GMT-0 Casablanca", 5},         {"GMT+1 Prague,Budapest", 6},
    {"GMT+1 Warsaw,Sofjia", 6},     {"GMT+1 Paris,Madrid", 6},       {"GMT+1 Berlin,Rome", 6},
    {"GMT+1 W Cent Africa", 6},     {"GMT+2 Bucharest", 7},          {"GMT+2 Cairo", 7},
    {"GMT+2 Helsinki,Riga", 7},     {"GMT+2 Athens,Istanbul", 7},    {"GMT+2 Jerusalem", 7},
    {"GMT+2 Pretoria", 7},          {"GMT+3 Moscow", 8},             {"GMT+3 Riyadh, Kuwait", 8},
    {"GMT+3 Nairobi", 8},           {"GMT+3 Baghdad", 8},            {"GMT+4 Abu Dhabi", 9},
    {"GMT+4 Baku,Tbilisi", 9},      {"GMT+4 Kabul", 9},              {"GMT+5 Yekaterinburg", 10},
    {"GMT+5 Islamabad", 10},        {"GMT+5 New Delhi", 10},         {"GMT+6 Kathmandu", 11},
    {"GMT+6 Astana,Dhaka", 11},     {"GMT+6 Sri Lanka", 11},         {"GMT+6 Almaty", 11},
    {"GMT+7 Bangkok,Hanoi", 12},    {"GMT+7 Krasnoyarsk", 12},       {"GMT+8 Beijing, HK", 13},
    {"GMT+8 Malaysia,Singapore", 13}, {"GMT+8 Taipei", 13},          {"GMT+8 Perth", 13},
    {"GMT+8 Ulaanbataar", 13},      {"GMT+9 Seoul", 14},             {"GMT+9 Tokyo,Osaka", 14},
    {"GMT+9 Yakutsk", 14},          {"GMT+10 Sydney", 15},           {"GMT+10 Brisbane", 15},
    {"GMT+10 Hobart", 15},          {"GMT+10 Vladivostok", 15},      {"GMT+10 Guam", 15},
    {"GMT+11 Magadan", 16},         {"GMT+12 Fiji Islands", 17},     {"GMT+12 New Zealand", 17},
    {"GMT+13 Tonga", 18},
};
const TimeZoneEntry kNoZone = {"", 0};
} // namespace

const TimeZoneEntry &timeZone(int position)
{
    if (position < 0 || position >= kTimeZoneCount)
        return kNoZone;
    return TimeZoneTable[position];
}

QString timeZoneCaption(int position)
{
    return QString::fromLatin1(timeZone(position).caption);
}

bool keepsStandardTime(int zoneIndex)
{
    return timeZone(zoneIndex).standardTimeAllYear;
}

bool inSummerWindow(int month, int day)
{
    return (month >= 5 && month <= 9) || (month == 4 && day >= 4) || (month == 10 && day <= 25);
}

} // namespace hoopdeck
