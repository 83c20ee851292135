// The carrier table. Operators are listed country by country in the order of
// the operator lists; the slot tables the lookups serve are derived from it at
// compile time, so a row is written once and checked where it is written.
//
// MMS and mobile-data values follow the operators' published settings where
// they are known. Where a published value does not take the form the camera's
// fields are given (a dotted IPv4 gateway, a plain host and path, one of the
// usual gateway ports), a value of that form stands in its place.

#include <cstddef>
#include <iterator>
#include <string_view>

#include "data/carriers.h"

namespace {

struct Country {
  TextPair name;
  int count;
};

struct Operator {
  int country;
  TextPair name;
  MmsPreset mms;
  NetPreset net;
};

// Operator names read the same in both languages except China's.
constexpr TextPair Same(const char* name) { return {name, name}; }

// clang-format off
constexpr Country kCountries[CountryCount] = {
    {{"中国",       "China"},                   1},  //  0
    {{"美国",       "United States"},           1},  //  1
    {{"德国",       "Deutschland"},             4},  //  2
    {{"英国",       "United Kingdom"},          8},  //  3
    {{"加拿大",     "Canada"},                  4},  //  4
    {{"瑞典",       "Sweden"},                  3},  //  5
    {{"斯洛文尼亚", "Slovenia"},                5},  //  6
    {{"葡萄牙",     "Portugal"},                2},  //  7
    {{"土耳其",     "Turkey"},                  2},  //  8
    {{"瑞士",       "Schweiz"},                 3},  //  9
    {{"西班牙",     "Spain"},                   4},  // 10
    {{"斯洛伐克",   "Slovakia"},                3},  // 11
    {{"俄罗斯",     "Russia"},                 10},  // 12
    {{"罗马尼亚",   "Romania"},                 2},  // 13
    {{"波兰",       "Poland"},                  1},  // 14
    {{"荷兰",       "Netherlands"},             2},  // 15
    {{"意大利",     "Italy"},                   2},  // 16
    {{"爱尔兰",     "Ireland"},                 2},  // 17
    {{"匈牙利",     "Hungary"},                 2},  // 18
    {{"希腊",       "Greece"},                  2},  // 19
    {{"法国",       "France"},                  2},  // 20
    {{"澳大利亚",   "Australia"},               5},  // 21
    {{"奥地利",     "Oesterreich"},             2},  // 22
    {{"巴西",       "Brazil"},                  2},  // 23
    {{"保加利亚",   "Bulgaria"},                3},  // 24
    {{"克罗地亚",   "Croatia"},                 5},  // 25
    {{"捷克共和国", "Ceska republika"},         4},  // 26
    {{"丹麦",       "Denmark"},                 2},  // 27
    {{"芬兰",       "Finland"},                 3},  // 28
    {{"新西兰",     "New Zealand"},             1},  // 29
    {{"挪威",       "Norway"},                  4},  // 30
    {{"南非",       "South Africa"},            3},  // 31
    {{"埃及",       "Egypt"},                   2},  // 32
    {{"乌克兰",     "Ukraine"},                 5},  // 33
    {{"立陶宛",     "Lithuania"},               2},  // 34
    {{"印度",       "India"},                   4},  // 35
    {{"拉脱维亚",   "Latvia"},                  1},  // 36
    {{"纳米比亚",   "Namibia"},                 1},  // 37
    {{"爱沙尼亚",   "Estonia"},                 3},  // 38
    {{"比利时",     "Belgium"},                 3},  // 39
    {{"塞浦路斯",   "Cyprus"},                  1},  // 40
    {{"智利",       "Chile"},                   2},  // 41
    {{"波黑",       "Bosnia and Herzegovina"},  1},  // 42
};

constexpr Operator kOperators[] = {
    // 0 China
    { 0, {"中国联通", "China Unicom"}, {"http://mmsc.myuni.com.cn",                "3gwap",                "010.000.000.172", "80",   "",                  ""          },
                                       {"3gnet",                     "",                ""}},
    // 1 United States
    { 1, Same("T-Mobile"),             {"mms.msg.eng.t-mobile.com/mms/wapenc",     "fast.t-mobile.com",    "216.155.165.50",  "8080", "",                  ""          },
                                       {"fast.t-mobile.com",         "",                ""}},
    // 2 Deutschland
    { 2, Same("Vodafone"),             {"http://139.7.24.1/servlets/mms",          "event.vodafone.de",    "139.7.29.17",     "80",   "",                  ""          },
                                       {"event.vodafone.de",         "vodafone",        "vodafone"}},
    { 2, Same("T-Mobile"),             {"http://mms.t-mobile.de/servlets/mms",     "internet.t-mobile",    "172.28.23.131",   "8008", "t-mobile",          "tm"        },
                                       {"internet.t-mobile",         "t-mobile",        "tm"}},
    { 2, Same("E-Plus"),               {"http://mms/eplus/",                       "mms.eplus.de",         "212.23.97.153",   "8080", "mms",               "eplus"     },
                                       {"internet.eplus.de",         "eplus",           "gprs"}},
    { 2, Same("O2"),                   {"http://10.81.0.7:8002",                   "internet",             "195.182.114.52",  "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    // 3 United Kingdom
    { 3, Same("Vodafone"),             {"http://mms.vodafone.co.uk/servlets/mms",  "wap.vodafone.co.uk",   "212.183.137.12",  "8799", "wap",               "wap"       },
                                       {"internet",                  "web",             "web"}},
    { 3, Same("O2 Payandgo"),          {"http://mmsc.mms.o2.co.uk:8002",           "payandgo.o2.co.uk",    "193.113.200.195", "8080", "payandgo",          "password"  },
                                       {"payandgo.o2.co.uk",         "payandgo",        "payandgo"}},
    { 3, Same("Orange"),               {"http://mms.orange.co.uk/",                "orangemms",            "192.168.224.10",  "8080", "Orange",            "Multimedia"},
                                       {"orangeinternet",            "user",            "pass"}},
    { 3, Same("3"),                    {"http://mms.um.three.co.uk:10021/mmsc",    "three.co.uk",          "217.171.129.2",   "8799", "",                  ""          },
                                       {"three.co.uk",               "",                ""}},
    { 3, Same("Virgin"),               {"http://mms.virginmobile.co.uk/",          "goto.virginmobile.uk", "193.30.166.2",    "8080", "user",              ""          },
                                       {"goto.virginmobile.uk",      "user",            ""}},
    { 3, Same("Vodafone Prepay"),      {"http://mms.vodafone.co.uk/servlets/mms",  "pp.vodafone.co.uk",    "212.183.137.12",  "8799", "wap",               "wap"       },
                                       {"pp.vodafone.co.uk",         "web",             "web"}},
    { 3, Same("ASDA Mobile"),          {"mms.asdamobiles.co.uk/servlets/mms",      "asdamobiles.co.uk",    "212.183.137.12",  "8799", "wap",               "wap"       },
                                       {"asdamobiles.co.uk",         "web",             "web"}},
    { 3, Same("EE"),                   {"http://mms/",                             "eezone",               "149.254.201.135", "8080", "eesecure",          "secure"    },
                                       {"everywhere",                "eesecure",        "secure"}},
    // 4 Canada
    { 4, Same("Fido"),                 {"http://mms.fido.ca",                      "mms.fido.ca",          "205.151.11.13",   "80",   "fido",              "fido"      },
                                       {"internet.fido.ca",          "fido",            "fido"}},
    { 4, Same("Rogers"),               {"http://mms.gprs.rogers.com",              "media.com",            "10.128.1.69",     "80",   "media",             "mda01"     },
                                       {"internet.com",              "wapuser1",        "wap"}},
    { 4, Same("Telus"),                {"http://aliasredirect.net/proxy/mmsc",     "sp.telus.com",         "74.49.0.18",      "80",   "",                  ""          },
                                       {"isp.telus.com",             "",                ""}},
    { 4, Same("Bell"),                 {"http://mms.bell.ca/mms/wapenc",           "pda.bell.ca",          "206.47.78.150",   "80",   "",                  ""          },
                                       {"pda.bell.ca",               "",                ""}},
    // 5 Sweden
    { 5, Same("Telenor"),              {"http://mms",                              "sp-services",          "172.30.253.241",  "8799", "",                  ""          },
                                       {"internet.telenor.se",       "",                ""}},
    { 5, Same("Telia"),                {"http://mmss/",                            "mms.telia.se",         "193.209.134.132", "80",   "",                  ""          },
                                       {"online.telia.se",           "",                ""}},
    { 5, Same("Tele2 "),               {"http://mmsc.tele2.se",                    "internet.tele2.se",    "130.244.202.30",  "8080", "",                  ""          },
                                       {"internet.tele2.se",         "",                ""}},
    // 6 Slovenia
    { 6, Same("Mobitel"),              {"http://mms.mobitel.si/servlets/mms",      "internet",             "213.229.249.40",  "8080", "mobitel",           "internet"  },
                                       {"internet",                  "mobitel",         "internet"}},
    { 6, Same("Izi Mobil"),            {"http://mms.mobitel.si/servlets/mms",      "internet",             "213.229.249.40",  "8080", "mobitel",           "internet"  },
                                       {"internet",                  "mobitel",         "internet"}},
    { 6, Same("Si Mobil"),             {"http://mmc/",                             "mms.simobil.si",       "80.95.224.46",    "9201", "simobil",           "internet"  },
                                       {"internet.simobil.si",       "simobil",         "internet"}},
    { 6, Same("Bob"),                  {"http://mmc/",                             "mms.simobil.si",       "80.95.224.46",    "9201", "simobil",           "internet"  },
                                       {"internet.simobil.si",       "simobil",         "internet"}},
    { 6, Same("Telemach"),             {"http://mmc/",                             "mms.simobil.si",       "80.95.224.46",    "9201", "",                  ""          },
                                       {"internet",                  "",                ""}},
    // 7 Portugal
    { 7, Same("Optimus"),              {"http://mmsc:10021/mmsc",                  "umts",                 "62.169.66.5",     "8799", "",                  ""          },
                                       {"umts",                      "",                ""}},
    { 7, Same("Vodafone"),             {"http://mms/servlets/mms",                 "vas.vodafone.pt",      "213.30.27.63",    "8080", "vas",               "vas"       },
                                       {"internet.vodafone.pt",      "vodafone",        "vodafone"}},
    // 8 Turkey
    { 8, Same("Avea"),                 {"http://mms.avea.com.tr/servlets/mms",     "mms",                  "213.161.151.201", "8080", "mms",               "mms"       },
                                       {"internet",                  "wap",             "wap"}},
    { 8, Same("Turkcell"),             {"http://mms.turkcell.com.tr/servlets/mms", "mms",                  "212.252.169.217", "8080", "mms",               "mms"       },
                                       {"internet",                  "gprs",            "gprs"}},
    // 9 Schweiz
    { 9, Same("Orange"),               {"http://192.168.151.3:8002",               "mms",                  "192.168.151.002", "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    { 9, Same("Sunrise"),              {"http://mmsc.sunrise.ch",                  "mms.sunrise.ch",       "212.35.34.75",    "8080", "mms",               "mms"       },
                                       {"internet",                  "internet",        "internet"}},
    { 9, Same("Swisscom"),             {"http://mms.natel.ch:8079",                "event.swisscom.ch",    "192.168.210.002", "8080", "",                  ""          },
                                       {"gprs.swisscom.ch",          "",                ""}},
    // 10 Spain
    {10, Same("Orange"),               {"http://mms.orange.es",                    "orangemms",            "172.22.188.25",   "8080", "orange",            "orange"    },
                                       {"orangeworld",               "orange",          "orange"}},
    {10, Same("Vodafone"),             {"http://mmsc.vodafone.es/servlets/mms",    "mms.vodafone.net",     "212.73.32.10",    "80",   "wap@wap",           "wap125"    },
                                       {"ac.vodafone.es",            "vodafone",        "vodafone"}},
    {10, Same("Telstra"),              {"http://mmsc.telstra.es",                  "telstra.mms",          "10.1.1.180",      "80",   "",                  ""          },
                                       {"telstra.internet",          "",                ""}},
    {10, Same("Movistar"),             {"http://mms.movistar.com",                 "mms.movistar.es",      "10.138.255.5",    "8080", "MOVISTAR@mms",      "MOVISTAR"  },
                                       {"movistar.es",               "movistar",        "movistar"}},
    // 11 Slovakia
    {11, Same("T-Mobile"),             {"http://mms",                              "mms",                  "192.168.001.001", "8080", "mms",               "mms"       },
                                       {"internet",                  "",                ""}},
    {11, Same("Orange"),               {"http://imms.orange.sk",                   "mms",                  "213.151.208.156", "8080", "mmsuser@orange.sk", "wapmms"    },
                                       {"internet",                  "",                ""}},
    {11, Same("O2"),                   {"http://mms.o2world.sk:8002",              "o2mms",                "010.097.001.011", "8080", "",                  ""          },
                                       {"o2internet",                "",                ""}},
    // 12 Russia
    {12, Same("A Mobile"),             {"http://mmsc.a-mobile.biz",                "mms.a-mobile.biz",     "010.000.000.010", "8080", "mms",               ""          },
                                       {"internet.a-mobile.biz",     "",                ""}},
    {12, Same("Beeline"),              {"http://mms/",                             "mms.beeline.ru",       "192.168.094.023", "8080", "beeline",           "beeline"   },
                                       {"internet.beeline.ru",       "beeline",         "beeline"}},
    {12, Same("Megafon"),              {"http://mmsc:8002",                        "mms",                  "010.010.010.010", "8080", "mms",               "mms"       },
                                       {"internet",                  "gdata",           "gdata"}},
    {12, Same("MTS"),                  {"http://mmsc",                             "mms.mts.ru",           "192.168.192.192", "9201", "mts",               "mts"       },
                                       {"internet.mts.ru",           "mts",             "mts"}},
    {12, Same("Tele2"),                {"http://mmsc.tele2.ru",                    "mms.tele2.ru",         "193.012.040.065", "8080", "",                  ""          },
                                       {"internet.tele2.ru",         "",                ""}},
    {12, Same("Yota"),                 {"http://mmsc:8002",                        "mms.yota",             "010.010.010.010", "8080", "",                  ""          },
                                       {"internet.yota",             "",                ""}},
    {12, Same("Rostelecom"),           {"http://mmsc:8002",                        "mms.rt.ru",            "010.010.010.010", "8080", "",                  ""          },
                                       {"internet.rt.ru",            "",                ""}},
    {12, Same("Motiv"),                {"http://mms.ycc.ru",                       "mms.ycc.ru",           "172.016.002.010", "8080", "motiv",             "motiv"     },
                                       {"inet.ycc.ru",               "motiv",           "motiv"}},
    {12, Same("letai"),                {"https://mms.letai.ru",                    "mms.letai.ru",         "mms.letai.ru",    "8080", "",                  ""          },
                                       {"internet.letai.ru",         "",                ""}},
    {12, Same("Velcom"),               {"http://mms.velcom.by/servlets/mms",       "mms.velcom.by",        "010.200.015.015", "8080", "",                  ""          },
                                       {"web.velcom.by",             "web",             "web"}},
    // 13 Romania
    {13, Same("Telekom"),              {"http://mms.telekom.ro/servlets/mms",      "mms",                  "10.252.1.62",     "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {13, Same("Vodafone"),             {"http://multimedia/servlets/mms",          "mms.vodafone.ro",      "193.230.161.231", "8080", "mms.vodafone.ro",   "vodafone"  },
                                       {"live.vodafone.com",         "live",            "vodafone"}},
    // 14 Poland
    {14, Same("ERA"),                  {"http://mms.era.pl/servlets/mms",          "mms",                  "213.158.194.226", "8080", "mms",               "mms"       },
                                       {"erainternet",               "erainternet",     "erainternet"}},
    // 15 Netherlands
    {15, Same("T-Mobile"),             {"http://t-mobilemms",                      "mms",                  "10.10.10.11",     "8080", "tmobilemms",        "tmobilemms"},
                                       {"internet",                  "",                ""}},
    {15, Same("Vodafone"),             {"http://mmsc.mms.vodafone.nl",             "live.vodafone.com",    "192.168.251.150", "8080", "vodafone",          "vodafone"  },
                                       {"live.vodafone.com",         "vodafone",        "vodafone"}},
    // 16 Italy
    {16, Same("TIM"),                  {"http://mms.tim.it/servlets/mms",          "unico.tim.it",         "213.230.130.89",  "80",   "",                  ""          },
                                       {"ibox.tim.it",               "",                ""}},
    {16, Same("Vodafone"),             {"http://mms.vodafone.it/servlets/mms",     "mms.vodafone.it",      "010.128.224.010", "80",   "",                  ""          },
                                       {"mobile.vodafone.it",        "",                ""}},
    // 17 Ireland
    {17, Same("Meteor"),               {"http://mms.mymeteor.ie",                  "mms.mymeteor.ie",      "010.085.085.085", "8799", "my",                "wap"       },
                                       {"data.mymeteor.ie",          "my",              "meteor"}},
    {17, Same("Vodafone"),             {"http://www.vodafone.ie/mms",              "mms.vodafone.net",     "010.024.059.200", "80",   "",                  ""          },
                                       {"live.vodafone.com",         "vodafone",        "vodafone"}},
    // 18 Hungary
    {18, Same("T-Mobile"),             {"http://mms.t-mobile.hu/servlets/mms",     "mms-westel",           "212.51.126.10",   "8080", "mms",               "mms"       },
                                       {"internet",                  "",                ""}},
    {18, Same("Vodafone"),             {"http://mms.vodafone.hu/servlets/mms",     "mms.vodafone.net",     "80.244.97.2",     "8080", "",                  ""          },
                                       {"vitamax.snet.vodafone.net", "",                ""}},
    // 19 Greece
    {19, Same("T-Cosmote"),            {"http://mmsc.cosmote.gr:8002",             "mms",                  "10.10.10.20",     "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {19, Same("Vodafone"),             {"http://mms.vodafone.gr",                  "mms.vodafone.net",     "213.249.19.49",   "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    // 20 France
    {20, Same("Bouygues"),             {"mms.bouyguestelecom.fr/mms/wapenc",       "mmsbouygtel.com",      "62.201.129.226",  "8080", "",                  ""          },
                                       {"ebouygtel.com",             "",                ""}},
    {20, Same("Orange"),               {"http://mms.orange.fr",                    "orange.acte",          "192.168.10.200",  "8080", "orange",            "orange"    },
                                       {"orange",                    "orange",          "orange"}},
    // 21 Australia
    {21, Same("Optus"),                {"http://mmsc.optus.com.au:8002/",          "mms",                  "61.88.190.10",    "8070", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {21, Same("Telstra"),              {"http://mmsc.telstra.com:8002",            "telstra.mms",          "10.1.1.180",      "80",   "",                  ""          },
                                       {"telstra.internet",          "",                ""}},
    {21, Same("Vodafone"),             {"pxt.vodafone.net.au/pxtsend",             "live.vodafone.com",    "10.202.2.60",     "8080", "",                  ""          },
                                       {"vfinternet.au",             "",                ""}},
    {21, Same("Three"),                {"http://mmsc.three.net.au:10021/mmsc",     "3services",            "202.124.64.23",   "8799", "",                  ""          },
                                       {"3netaccess",                "a",               "a"}},
    {21, Same("AldiMobile"),           {"http://mmsc.mdata.net.au:8003",           "mdata.net.au",         "10.1.1.180",      "80",   "",                  ""          },
                                       {"mdata.net.au",              "",                ""}},
    // 22 Oesterreich
    {22, Same("A1"),                   {"http://mmsc.A1.net",                      "free.A1.net",          "194.48.124.71",   "8001", "ppp@A1plus.at",     "ppp"       },
                                       {"a1.net",                    "ppp@a1plus.at",   ""}},
    {22, Same("T-Mobile"),             {"http://mmsc.t-mobile.at/servlets/mms",    "gprsmms",              "10.12.0.20",      "80",   "t-mobile",          "tm"        },
                                       {"gprsinternet",              "t-mobile",        ""}},
    // 23 Brazil
    {23, Same("Brazil Telecom"),       {"http://mms.brasiltelecom.com.br/",        "mms.brt.br",           "200.96.8.29",     "8080", "brt",               "brt"       },
                                       {"brt.br",                    "BrT",             "BrT"}},
    {23, Same("Claro"),                {"http://mms.claro.com.br",                 "mms.claro.com.br",     "200.169.126.10",  "8799", "claro",             "claro"     },
                                       {"claro.com.br",              "claro",           "claro"}},
    // 24 Bulgaria
    {24, Same("Telenor"),              {"http://mmsc1.mms.globul.bg:8002",         "mms.globul.bg",        "192.168.087.011", "8004", "mms",               ""          },
                                       {"internet.telenor.bg",       "",                ""}},
    {24, Same("M-tel"),                {"http://mmsc/",                            "mms-gprs.mtel.bg",     "010.150.000.033", "8080", "mtel",              "mtel"      },
                                       {"inet-gprs.mtel.bg",         "mtel",            "mtel"}},
    {24, Same("Vivacom"),              {"http://mmsc.vivacom.bg",                  "mms.vivacom.bg",       "192.168.123.123", "8080", "mms",               ""          },
                                       {"internet.vivacom.bg",       "vivacom",         "vivacom"}},
    // 25 Croatia
    {25, Same("VIPNet"),               {"http://mms.vipnet.hr/servlets/mms",       "mms.vipnet.hr",        "212.91.99.91",    "8080", "",                  ""          },
                                       {"gprs0.vipnet.hr",           "38591",           "38591"}},
    {25, Same("T-mobile"),             {"http://mms.htmobile.hr/servlets/mms",     "mms.htgprs",           "10.12.0.4",       "8080", "",                  ""          },
                                       {"web.htgprs",                "",                ""}},
    {25, Same("Tele2"),                {"http://mmsc.tele2.hr",                    "internet.tele2.hr",    "193.012.040.066", "8080", "",                  ""          },
                                       {"mobileinternet.tele2.hr",   "",                ""}},
    {25, Same("Tomato"),               {"http://mms.vipnet.hr/servlets/mms",       "mms.vipnet.hr",        "212.91.99.91",    "8080", "",                  ""          },
                                       {"data.vip.hr",               "",                ""}},
    {25, Same("Bonbon"),               {"http://mms.htmobile.hr/servlets/mms",     "mms.htgprs",           "10.12.0.4",       "8080", "",                  ""          },
                                       {"web.htgprs",                "",                ""}},
    // 26 Ceska republika
    {26, Same("Eurotel"),              {"http://mms.o2active.cz:8002",             "mms",                  "160.218.160.218", "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {26, Same("O2"),                   {"http://mms.o2active.cz:8002",             "mms",                  "160.218.160.218", "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {26, Same("T-Mobile"),             {"http://mms",                              "mms.t-mobile.cz",      "10.0.0.10",       "8080", "",                  ""          },
                                       {"internet.t-mobile.cz",      "gprs",            "gprs"}},
    {26, Same("Vodafone"),             {"http://mms",                              "mms",                  "10.11.10.111",    "80",   "",                  ""          },
                                       {"internet",                  "",                ""}},
    // 27 Denmark
    {27, Same("TDC"),                  {"http://mmsc.tdc.dk:8002",                 "mms",                  "194.182.251.15",  "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {27, Same("Telia"),                {"http://mms.telia.dk",                     "www.mms.mtelia.dk",    "193.209.134.131", "8080", "",                  ""          },
                                       {"www.internet.mtelia.dk",    "",                ""}},
    // 28 Finland
    {28, Same("DNA"),                  {"http://mmsc.dnafinland.fi",               "mms",                  "10.1.1.2",        "8080", "dna",               "mms"       },
                                       {"internet",                  "",                ""}},
    {28, Same("Sonera"),               {"http://mms.sonera.net:8002",              "wap.sonera.net",       "195.156.25.33",   "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {28, Same("Elisa"),                {"http://mms.elisa.fi",                     "mms",                  "213.161.41.57",   "80",   "",                  ""          },
                                       {"internet",                  "",                ""}},
    // 29 New Zealand
    {29, Same("Vodafone"),             {"http://pxt.vodafone.net.nz/pxtsend",      "live.vodafone.com",    "172.30.38.3",     "8080", "",                  ""          },
                                       {"www.vodafone.net.nz",       "",                ""}},
    // 30 Norway
    {30, Same("Teila N"),              {"http://mms/",                             "mms.netcom.no",        "212.169.66.4",    "8080", "mms",               "netcom"    },
                                       {"internet.netcom.no",        "",                ""}},
    {30, Same("Telenor"),              {"http://mmsc",                             "telenor.smart",        "212.17.131.42",   "8080", "",                  ""          },
                                       {"telenor.smart",             "",                ""}},
    {30, Same("Tele2"),                {"http://mmsc.tele2.no",                    "internet.tele2.no",    "193.12.40.14",    "8080", "",                  ""          },
                                       {"mobileinternet.tele2.no",   "",                ""}},
    {30, Same("NetworkNorway"),        {"http://mms.nwn.no",                       "mms",                  "89.254.65.20",    "80",   "mms",               ""          },
                                       {"internet",                  "",                ""}},
    // 31 South Africa
    {31, Same("Cell C"),               {"http://mms.cmobile.co.za/",               "mms",                  "196.31.116.250",  "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {31, Same("Vodacom"),              {"mmsc.vodacom4me.co.za",                   "mms.vodacom.net",      "196.6.128.13",    "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {31, Same("MTN"),                  {"http://mms.mtn.co.za/mms/wapenc",         "myMTN",                "196.11.240.241",  "8080", "mtnmms",            "mtnmms"    },
                                       {"internet",                  "",                ""}},
    // 32 Egypt
    {32, Same("MobilNil"),             {"http://10.7.13.24:8002/",                 "mobinilmms",           "62.241.155.45",   "8080", "",                  ""          },
                                       {"mobinilweb",                "",                ""}},
    {32, Same("Vodafone"),             {"http://mmsc.vodafone.com.eg",             "mms.vodafone.eg",      "163.121.178.2",   "8080", "mms",               "mms"       },
                                       {"internet.vodafone.net",     "internet",        "internet"}},
    // 33 Ukraine
    {33, Same("KiyvStar"),             {"http://mms.kyivstar.net",                 "mms.kyivstar.net",     "010.010.010.010", "8080", "mms",               "mms"       },
                                       {"www.ab.kyivstar.net",       "igprs",           "internet"}},
    {33, Same("MTS"),                  {"http://mmsc:8002/",                       "mms.umc.ua",           "192.168.010.010", "9201", "",                  ""          },
                                       {"internet",                  "internet",        "internet"}},
    {33, Same("LIFE"),                 {"http://mms.life.com.ua/cmmsc/post",       "mms",                  "212.58.162.230",  "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {33, Same("Beeline UA"),           {"http://mms/",                             "mms.beeline.ua",       "010.011.008.018", "8080", "",                  ""          },
                                       {"internet.beeline.ua",       "",                ""}},
    {33, Same("UMC Ukraine"),          {"http://mmsc:8002/",                       "mms.umc.ua",           "192.168.010.010", "9201", "",                  ""          },
                                       {"www.umc.ua",                "",                ""}},
    // 34 Lithuania
    {34, Same("Omnitel"),              {"mms.omnitel.net:8002/",                   "gprs.mms.lt",          "194.176.32.149",  "8080", "mms",               "mms"       },
                                       {"gprs.omnitel.net",          "omni",            "omni"}},
    {34, Same("Omnitel Ezio"),         {"http://mms.omnitel.net:8002/",            "gprs.mms.lt",          "194.176.32.149",  "8080", "mms",               "mms"       },
                                       {"gprs.startas.lt",           "omni",            "omni"}},
    // 35 India
    {35, Same("Idea"),                 {"http://10.4.42.21:8002",                  "mmsc",                 "10.4.42.15",      "8080", "",                  ""          },
                                       {"internet",                  "",                ""}},
    {35, Same("BPL"),                  {"http://mms.bplmobile.com/",               "bplmms",               "10.0.0.20",       "8080", "",                  ""          },
                                       {"bplgprs.com",               "bplmobile",       ""}},
    {35, Same("Airtel"),               {"http://100.1.201.171:10021/mmsc",         "airtelmms.com",        "100.1.201.172",   "8080", "",                  ""          },
                                       {"airtelgprs.com",            "",                ""}},
    {35, Same("VodaFone"),             {"http://mms1.live.vodafone.in/mms/",       "portalnmms",           "10.10.1.100",     "8080", "",                  ""          },
                                       {"www",                       "",                ""}},
    // 36 Latvia
    {36, Same("LMT"),                  {"http://mmsc.lmt.lv/mmsc",                 "mms.lmt.lv",           "212.93.96.2",     "8080", "lmt",               "lmt"       },
                                       {"internet.lmt.lv",           "",                ""}},
    // 37 Namibia
    {37, Same("MTC"),                  {"http://mms.mtc.com.na:8002",              "mms.mtc.com.na",       "10.0.0.4",        "8080", "mtc",               "mtc"       },
                                       {"ppsinternet",               "ppsuser",         "ppsuser"}},
    // 38 Estonia
    {38, Same("EMT"),                  {"http://mms.emt.ee/servlets/mms",          "mms.emt.ee",           "217.71.32.82",    "8080", "",                  ""          },
                                       {"internet.emt.ee",           "internet.emt.ee", ""}},
    {38, Same("ELISA"),                {"http://194.204.2.10",                     "mms",                  "194.204.2.6",     "8000", "",                  ""          },
                                       {"internet",                  "internet.elisa",  ""}},
    {38, Same("TELE2"),                {"http://mmsc.tele2.ee",                    "mms.tele2.ee",         "193.12.40.6",     "8080", "wap",               "wap"       },
                                       {"internet.tele2.ee",         "internet.tele2",  ""}},
    // 39 Belgium
    {39, Same("Proximus"),             {"http://mmsc.proximus.be/mms",             "event.proximus.be",    "10.55.14.75",     "8080", "mms",               "mms"       },
                                       {"internet.proximus.be",      "",                ""}},
    {39, Same("Mobistar"),             {"http://mmsc.mobistar.be",                 "mms.be",               "212.65.63.143",   "8080", "",                  ""          },
                                       {"web.pro.be",                "mobistar",        "mobistar"}},
    {39, Same("Base"),                 {"http://mmsc.base.be",                     "mms.base.be",          "217.72.235.1",    "8080", "base",              "base"      },
                                       {"gprs.base.be",              "base",            "base"}},
    // 40 Cyprus
    {40, Same("Cyta"),                 {"http://mmsc.cyta.com.cy",                 "cytamobile",           "212.31.96.161",   "8080", "user",              ""          },
                                       {"internet",                  "",                ""}},
    // 41 Chile
    {41, Same("Telefonica"),           {"http://mms.movistar.cl",                  "mms.tmovil.cl",        "172.17.8.10",     "8080", "mms",               "mms"       },
                                       {"web.tmovil.cl",             "web",             "web"}},
    {41, Same("Entel"),                {"http://mmsc.entelpcs.cl",                 "mms.entelpcs.cl",      "10.99.0.10",      "8080", "entelpcs",          "entelpcs"  },
                                       {"imovil.entelpcs.cl",        "entelpcs",        "entelpcs"}},
    // 42 Bosnia and Herzegovina
    {42, Same("Mtel"),                 {"http://mmsc.065mobis.com/mms/wapenc",     "mobismms",             "192.168.61.11",   "80",   "",                  ""          },
                                       {"mtelfun",                   "",                ""}},
};
// clang-format on

constexpr MmsPreset kEmptyMms = {"", "", "", "", "", ""};
constexpr NetPreset kEmptyNet = {"", "", ""};
constexpr TextPair kEmptyName = {"", ""};
constexpr TextPair kOthersName = {"其他", "Others"};

constexpr int kOperatorRows = static_cast<int>(std::size(kOperators));

// Each text must fit its SendSet field with its terminator; a longer one would
// be cut silently when copied.
constexpr bool Fits(const char* text, std::size_t field) {
  return std::string_view(text).size() < field;
}

constexpr bool RowFits(const Operator& op) {
  return Fits(op.mms.Url, sizeof(MmsSet::szUrl)) && Fits(op.mms.Apn, sizeof(MmsSet::szApn)) &&
         Fits(op.mms.Gateway, sizeof(MmsSet::szGateway)) &&
         Fits(op.mms.Port, sizeof(MmsSet::szPort)) &&
         Fits(op.mms.Account, sizeof(MmsSet::szAccount)) &&
         Fits(op.mms.Password, sizeof(MmsSet::szPassword)) &&
         Fits(op.net.apn, sizeof(SmtpSet::sz3GSmtpApN)) &&
         Fits(op.net.account, sizeof(SmtpSet::sz3GSmtpAccount)) &&
         Fits(op.net.password, sizeof(SmtpSet::sz3GSmtpPassword));
}

// Rows in country order, exactly each country's count of them, every text
// within its field.
constexpr bool TableConsistent() {
  int row = 0;
  for (int country = 0; country < CountryCount; ++country) {
    const int count = kCountries[country].count;
    if (count < 1 || count > kOperatorSlots) return false;
    for (int slot = 0; slot < count; ++slot, ++row) {
      if (row >= kOperatorRows || kOperators[row].country != country) return false;
      if (!RowFits(kOperators[row])) return false;
    }
  }
  return row == kOperatorRows;
}
static_assert(TableConsistent(), "operator rows must match the country table");

struct Slots {
  TextPair name[CountryCount][kOperatorSlots];
  MmsPreset mms[CountryCount][kOperatorSlots];
  NetPreset net[CountryCount][kOperatorSlots];
};

// Slots at and beyond a country's count hold empty texts.
constexpr Slots BuildSlots() {
  Slots slots{};
  for (int country = 0; country < CountryCount; ++country) {
    for (int slot = 0; slot < kOperatorSlots; ++slot) {
      slots.name[country][slot] = kEmptyName;
      slots.mms[country][slot] = kEmptyMms;
      slots.net[country][slot] = kEmptyNet;
    }
  }
  int row = 0;
  for (int country = 0; country < CountryCount; ++country) {
    for (int slot = 0; slot < kCountries[country].count; ++slot, ++row) {
      slots.name[country][slot] = kOperators[row].name;
      slots.mms[country][slot] = kOperators[row].mms;
      slots.net[country][slot] = kOperators[row].net;
    }
  }
  return slots;
}

constexpr Slots kSlots = BuildSlots();

constexpr bool IsCountry(int country) { return country >= 0 && country < CountryCount; }
constexpr bool IsSlot(int slot) { return slot >= 0 && slot < kOperatorSlots; }

}  // namespace

// Indices come from CFG.BIN as well as from the lists, so anything outside the
// table reads as an empty entry rather than beyond it.

const char* CountryName(int language, int country) {
  if (country == OthersCountry) return PickText(kOthersName, language);
  if (!IsCountry(country)) return "";
  return PickText(kCountries[country].name, language);
}

int OperatorCount(int country) { return IsCountry(country) ? kCountries[country].count : 0; }

const char* OperatorName(int language, int country, int op) {
  if (!IsCountry(country) || !IsSlot(op)) return "";
  return PickText(kSlots.name[country][op], language);
}

const MmsPreset& MmsPresetAt(int country, int slot) {
  if (!IsCountry(country) || !IsSlot(slot)) return kEmptyMms;
  return kSlots.mms[country][slot];
}

const NetPreset& NetPresetAt(int country, int slot) {
  if (!IsCountry(country) || !IsSlot(slot)) return kEmptyNet;
  return kSlots.net[country][slot];
}
