#include "lang/CountryList.h"

// Country table of the registration page. The three arrays are parallel:
// row n of each belongs to the same country. Display names are written in
// one of the country's own official languages and scripts (short name, en
// dash, official long name, or one form alone). The two-letter codes are
// kept with the table for reference only; the flags are PNG resource ids.

const wchar_t* const g_countryNames[kCountryCount] =
{
    L"Nepal – Federal Democratic Republic of Nepal", // 0 NP
    L"Schweiz", // 1 CH
    L"Città del Vaticano", // 2 VA
    L"افغانستان", // 3 AF
    L"Shqipëria – Republika e Shqipërisë", // 4 AL
    L"الجزائر – الجمهورية الجزائرية الديمقراطية الشعبية", // 5 DZ
    L"Andorra – Principat d'Andorra", // 6 AD
    L"Angola – República de Angola", // 7 AO
    L"Antigua and Barbuda", // 8 AG
    L"Argentina – República Argentina", // 9 AR
    L"Հայաստան – Հայաստանի Հանրապետություն", // 10 AM
    L"Australia – Commonwealth of Australia", // 11 AU
    L"Österreich – Republik Österreich", // 12 AT
    L"Azərbaycan – Azərbaycan Respublikası", // 13 AZ
    L"البحرين – مملكة البحرين", // 14 BH
    L"বাংলাদেশ – গণপ্রজাতন্ত্রী বাংলাদেশ", // 15 BD
    L"Barbados", // 16 BB
    L"Беларусь – Рэспубліка Беларусь", // 17 BY
    L"België – Koninkrijk België", // 18 BE
    L"Belize", // 19 BZ
    L"Bénin – République du Bénin", // 20 BJ
    L"འབྲུག་ཡུལ་ – འབྲུག་རྒྱལ་ཁབ་", // 21 BT
    L"Bolivia – Estado Plurinacional de Bolivia", // 22 BO
    L"Bosna i Hercegovina", // 23 BA
    L"Botswana – Republic of Botswana", // 24 BW
    L"Brasil – República Federativa do Brasil", // 25 BR
    L"Brunei – Negara Brunei Darussalam", // 26 BN
    L"България – Република България", // 27 BG
    L"Burkina Faso", // 28 BF
    L"Burundi – République du Burundi", // 29 BI
    L"កម្ពុជា – ព្រះរាជាណាចក្រកម្ពុជា", // 30 KH
    L"Cameroun – République du Cameroun", // 31 CM
    L"Canada", // 32 CA
    L"Cabo Verde – República de Cabo Verde", // 33 CV
    L"Tchad – République du Tchad", // 34 TD
    L"Chile – República de Chile", // 35 CL
    L"Colombia – República de Colombia", // 36 CO
    L"Costa Rica – República de Costa Rica", // 37 CR
    L"Côte d'Ivoire – République de Côte d'Ivoire", // 38 CI
    L"Hrvatska – Republika Hrvatska", // 39 HR
    L"Cuba – República de Cuba", // 40 CU
    L"Κύπρος – Κυπριακή Δημοκρατία", // 41 CY
    L"Danmark – Kongeriget Danmark", // 42 DK
    L"Djibouti – République de Djibouti", // 43 DJ
    L"Dominica – Commonwealth of Dominica", // 44 DM
    L"Timor-Leste – República Democrática de Timor-Leste", // 45 TL
    L"Ecuador – República del Ecuador", // 46 EC
    L"مصر – جمهورية مصر العربية", // 47 EG
    L"El Salvador – República de El Salvador", // 48 SV
    L"Guinea Ecuatorial – República de Guinea Ecuatorial", // 49 GQ
    L"ኤርትራ – ሃገረ ኤርትራ", // 50 ER
    L"Eesti – Eesti Vabariik", // 51 EE
    L"ኢትዮጵያ – የኢትዮጵያ ፌዴራላዊ ዴሞክራሲያዊ ሪፐብሊክ", // 52 ET
    L"Micronesia – Federated States of Micronesia", // 53 FM
    L"Fiji – Republic of Fiji", // 54 FJ
    L"Suomi – Suomen tasavalta", // 55 FI
    L"France – République française", // 56 FR
    L"Gabon – République gabonaise", // 57 GA
    L"საქართველო", // 58 GE
    L"Deutschland – Bundesrepublik Deutschland", // 59 DE
    L"Ghana – Republic of Ghana", // 60 GH
    L"Ελλάδα – Ελληνική Δημοκρατία", // 61 GR
    L"Grenada", // 62 GD
    L"Guatemala – República de Guatemala", // 63 GT
    L"Guinée – République de Guinée", // 64 GN
    L"Guiné-Bissau – República da Guiné-Bissau", // 65 GW
    L"Guyana – Co-operative Republic of Guyana", // 66 GY
    L"Haïti – République d'Haïti", // 67 HT
    L"Honduras – República de Honduras", // 68 HN
    L"Magyarország", // 69 HU
    L"Ísland", // 70 IS
    L"भारत – भारत गणराज्य", // 71 IN
    L"Indonesia – Republik Indonesia", // 72 ID
    L"ایران – جمهوری اسلامی ایران", // 73 IR
    L"العراق – جمهورية العراق", // 74 IQ
    L"Éire", // 75 IE
    L"ישראל – מדינת ישראל", // 76 IL
    L"Italia – Repubblica Italiana", // 77 IT
    L"Jamaica", // 78 JM
    L"日本 – 日本国", // 79 JP
    L"الأردن – المملكة الأردنية الهاشمية", // 80 JO
    L"Қазақстан – Қазақстан Республикасы", // 81 KZ
    L"Kenya – Republic of Kenya", // 82 KE
    L"Kiribati – Republic of Kiribati", // 83 KI
    L"الكويت – دولة الكويت", // 84 KW
    L"Кыргызстан – Кыргыз Республикасы", // 85 KG
    L"ລາວ – ສາທາລະນະລັດ ປະຊາທິປະໄຕ ປະຊາຊົນລາວ", // 86 LA
    L"Latvija – Latvijas Republika", // 87 LV
    L"لبنان – الجمهورية اللبنانية", // 88 LB
    L"Lesotho – Kingdom of Lesotho", // 89 LS
    L"Liberia – Republic of Liberia", // 90 LR
    L"ليبيا – دولة ليبيا", // 91 LY
    L"Liechtenstein – Fürstentum Liechtenstein", // 92 LI
    L"Lietuva – Lietuvos Respublika", // 93 LT
    L"Luxembourg – Grand-Duché de Luxembourg", // 94 LU
    L"Северна Македонија – Република Северна Македонија", // 95 MK
    L"Madagasikara – Repoblikan'i Madagasikara", // 96 MG
    L"Malawi – Republic of Malawi", // 97 MW
    L"Malaysia", // 98 MY
    L"ދިވެހިރާއްޖެ – ދިވެހިރާއްޖޭގެ ޖުމްހޫރިއްޔާ", // 99 MV
    L"Mali – République du Mali", // 100 ML
    L"Malta – Repubblika ta' Malta", // 101 MT
    L"موريتانيا – الجمهورية الإسلامية الموريتانية", // 102 MR
    L"Mauritius – Republic of Mauritius", // 103 MU
    L"México – Estados Unidos Mexicanos", // 104 MX
    L"Moldova – Republica Moldova", // 105 MD
    L"Monaco – Principauté de Monaco", // 106 MC
    L"Монгол Улс", // 107 MN
    L"Crna Gora", // 108 ME
    L"المغرب – المملكة المغربية", // 109 MA
    L"Moçambique – República de Moçambique", // 110 MZ
    L"မြန်မာ – ပြည်ထောင်စု သမ္မတ မြန်မာနိုင်ငံတော်", // 111 MM
    L"Namibia – Republic of Namibia", // 112 NA
    L"Nauru – Republic of Nauru", // 113 NR
    L"New Zealand", // 114 NZ
    L"Nicaragua – República de Nicaragua", // 115 NI
    L"Niger – République du Niger", // 116 NE
    L"Nigeria – Federal Republic of Nigeria", // 117 NG
    L"조선 – 조선민주주의인민공화국", // 118 KP
    L"Norge – Kongeriket Norge", // 119 NO
    L"عمان – سلطنة عمان", // 120 OM
    L"پاکستان – اسلامی جمہوریہ پاکستان", // 121 PK
    L"Palau – Republic of Palau", // 122 PW
    L"Panamá – República de Panamá", // 123 PA
    L"Papua New Guinea – Independent State of Papua New Guinea", // 124 PG
    L"Paraguay – República del Paraguay", // 125 PY
    L"Perú – República del Perú", // 126 PE
    L"Polska – Rzeczpospolita Polska", // 127 PL
    L"Portugal – República Portuguesa", // 128 PT
    L"قطر – دولة قطر", // 129 QA
    L"România", // 130 RO
    L"Россия – Российская Федерация", // 131 RU
    L"Rwanda – Repubulika y'u Rwanda", // 132 RW
    L"Saint Kitts and Nevis – Federation of Saint Kitts and Nevis", // 133 KN
    L"Saint Lucia", // 134 LC
    L"Saint Vincent and the Grenadines", // 135 VC
    L"Sāmoa – Malo Saʻoloto Tutoʻatasi o Sāmoa", // 136 WS
    L"San Marino – Repubblica di San Marino", // 137 SM
    L"São Tomé e Príncipe – República Democrática de São Tomé e Príncipe", // 138 ST
    L"السعودية – المملكة العربية السعودية", // 139 SA
    L"Sénégal – République du Sénégal", // 140 SN
    L"Србија – Република Србија", // 141 RS
    L"Sierra Leone – Republic of Sierra Leone", // 142 SL
    L"Singapore – Republic of Singapore", // 143 SG
    L"Slovensko – Slovenská republika", // 144 SK
    L"Slovenija – Republika Slovenija", // 145 SI
    L"Soomaaliya – Jamhuuriyadda Federaalka Soomaaliya", // 146 SO
    L"South Africa – Republic of South Africa", // 147 ZA
    L"한국 – 대한민국", // 148 KR
    L"España – Reino de España", // 149 ES
    L"இலங்கை – இலங்கை சனநாயக சோசலிசக் குடியரசு", // 150 LK
    L"السودان – جمهورية السودان", // 151 SD
    L"Suriname – Republiek Suriname", // 152 SR
    L"Eswatini – Umbuso weSwatini", // 153 SZ
    L"Sverige – Konungariket Sverige", // 154 SE
    L"Schweiz – Schweizerische Eidgenossenschaft", // 155 CH
    L"Тоҷикистон – Ҷумҳурии Тоҷикистон", // 156 TJ
    L"Tanzania – Jamhuri ya Muungano wa Tanzania", // 157 TZ
    L"ประเทศไทย – ราชอาณาจักรไทย", // 158 TH
    L"The Bahamas – Commonwealth of The Bahamas", // 159 BS
    L"Centrafrique – République centrafricaine", // 160 CF
    L"Comores – Union des Comores", // 161 KM
    L"Česko – Česká republika", // 162 CZ
    L"Congo – République Démocratique du Congo", // 163 CG
    L"República Dominicana", // 164 DO
    L"The Gambia – Republic of The Gambia", // 165 GM
    L"Marshall Islands – Republic of the Marshall Islands", // 166 MH
    L"Nederland – Koninkrijk der Nederlanden", // 167 NL
    L"中国 – 中华人民共和国", // 168 CN
    L"Pilipinas – Republika ng Pilipinas", // 169 PH
    L"Congo – République Démocratique du Congo", // 170 CG
    L"Seychelles – Republic of Seychelles", // 171 SC
    L"Solomon Islands", // 172 SB
    L"الإمارات – دولة الإمارات العربية المتحدة", // 173 AE
    L"United Kingdom – United Kingdom of Great Britain and Northern Ireland", // 174 GB
    L"United States of America", // 175 US
    L"Togo – République togolaise", // 176 TG
    L"Tonga – Puleʻanga Fakatuʻi ʻo Tonga", // 177 TO
    L"Trinidad and Tobago – Republic of Trinidad and Tobago", // 178 TT
    L"تونس – الجمهورية التونسية", // 179 TN
    L"Türkiye – Türkiye Cumhuriyeti", // 180 TR
    L"Türkmenistan", // 181 TM
    L"Tuvalu", // 182 TV
    L"Uganda – Republic of Uganda", // 183 UG
    L"Україна", // 184 UA
    L"Uruguay – República Oriental del Uruguay", // 185 UY
    L"Oʻzbekiston – Oʻzbekiston Respublikasi", // 186 UZ
    L"Vanuatu – Ripablik blong Vanuatu", // 187 VU
    L"Venezuela – República Bolivariana de Venezuela", // 188 VE
    L"Việt Nam – Cộng hòa Xã hội chủ nghĩa Việt Nam", // 189 VN
    L"اليمن – الجمهورية اليمنية", // 190 YE
    L"Zambia – Republic of Zambia", // 191 ZM
    L"Zimbabwe – Republic of Zimbabwe", // 192 ZW
};

const wchar_t* const g_countryCodes[kCountryCount] =
{
    L"NP", // 0
    L"CH", // 1
    L"VA", // 2
    L"AF", // 3
    L"AL", // 4
    L"DZ", // 5
    L"AD", // 6
    L"AO", // 7
    L"AG", // 8
    L"AR", // 9
    L"AM", // 10
    L"AU", // 11
    L"AT", // 12
    L"AZ", // 13
    L"BH", // 14
    L"BD", // 15
    L"BB", // 16
    L"BY", // 17
    L"BE", // 18
    L"BZ", // 19
    L"BJ", // 20
    L"BT", // 21
    L"BO", // 22
    L"BA", // 23
    L"BW", // 24
    L"BR", // 25
    L"BN", // 26
    L"BG", // 27
    L"BF", // 28
    L"BI", // 29
    L"KH", // 30
    L"CM", // 31
    L"CA", // 32
    L"CV", // 33
    L"TD", // 34
    L"CL", // 35
    L"CO", // 36
    L"CR", // 37
    L"CI", // 38
    L"HR", // 39
    L"CU", // 40
    L"CY", // 41
    L"DK", // 42
    L"DJ", // 43
    L"DM", // 44
    L"TL", // 45
    L"EC", // 46
    L"EG", // 47
    L"SV", // 48
    L"GQ", // 49
    L"ER", // 50
    L"EE", // 51
    L"ET", // 52
    L"FM", // 53
    L"FJ", // 54
    L"FI", // 55
    L"FR", // 56
    L"GA", // 57
    L"GE", // 58
    L"DE", // 59
    L"GH", // 60
    L"GR", // 61
    L"GD", // 62
    L"GT", // 63
    L"GN", // 64
    L"GW", // 65
    L"GY", // 66
    L"HT", // 67
    L"HN", // 68
    L"HU", // 69
    L"IS", // 70
    L"IN", // 71
    L"ID", // 72
    L"IR", // 73
    L"IQ", // 74
    L"IE", // 75
    L"IL", // 76
    L"IT", // 77
    L"JM", // 78
    L"JP", // 79
    L"JO", // 80
    L"KZ", // 81
    L"KE", // 82
    L"KI", // 83
    L"KW", // 84
    L"KG", // 85
    L"LA", // 86
    L"LV", // 87
    L"LB", // 88
    L"LS", // 89
    L"LR", // 90
    L"LY", // 91
    L"LI", // 92
    L"LT", // 93
    L"LU", // 94
    L"MK", // 95
    L"MG", // 96
    L"MW", // 97
    L"MY", // 98
    L"MV", // 99
    L"ML", // 100
    L"MT", // 101
    L"MR", // 102
    L"MU", // 103
    L"MX", // 104
    L"MD", // 105
    L"MC", // 106
    L"MN", // 107
    L"ME", // 108
    L"MA", // 109
    L"MZ", // 110
    L"MM", // 111
    L"NA", // 112
    L"NR", // 113
    L"NZ", // 114
    L"NI", // 115
    L"NE", // 116
    L"NG", // 117
    L"KP", // 118
    L"NO", // 119
    L"OM", // 120
    L"PK", // 121
    L"PW", // 122
    L"PA", // 123
    L"PG", // 124
    L"PY", // 125
    L"PE", // 126
    L"PL", // 127
    L"PT", // 128
    L"QA", // 129
    L"RO", // 130
    L"RU", // 131
    L"RW", // 132
    L"KN", // 133
    L"LC", // 134
    L"VC", // 135
    L"WS", // 136
    L"SM", // 137
    L"ST", // 138
    L"SA", // 139
    L"SN", // 140
    L"RS", // 141
    L"SL", // 142
    L"SG", // 143
    L"SK", // 144
    L"SI", // 145
    L"SO", // 146
    L"ZA", // 147
    L"KR", // 148
    L"ES", // 149
    L"LK", // 150
    L"SD", // 151
    L"SR", // 152
    L"SZ", // 153
    L"SE", // 154
    L"CH", // 155
    L"TJ", // 156
    L"TZ", // 157
    L"TH", // 158
    L"BS", // 159
    L"CF", // 160
    L"KM", // 161
    L"CZ", // 162
    L"CG", // 163
    L"DO", // 164
    L"GM", // 165
    L"MH", // 166
    L"NL", // 167
    L"CN", // 168
    L"PH", // 169
    L"CG", // 170
    L"SC", // 171
    L"SB", // 172
    L"AE", // 173
    L"GB", // 174
    L"US", // 175
    L"TG", // 176
    L"TO", // 177
    L"TT", // 178
    L"TN", // 179
    L"TR", // 180
    L"TM", // 181
    L"TV", // 182
    L"UG", // 183
    L"UA", // 184
    L"UY", // 185
    L"UZ", // 186
    L"VU", // 187
    L"VE", // 188
    L"VN", // 189
    L"YE", // 190
    L"ZM", // 191
    L"ZW", // 192
};

// Flag images 1049 to 1241, each used once: rows 0 to 58 count up from 1049,
// Germany (row 59) has the last image, 1241, and rows 60 to 192 continue
// from 1108.
const int g_countryFlags[kCountryCount] =
{
    1049, // 0 NP
    1050, // 1 CH
    1051, // 2 VA
    1052, // 3 AF
    1053, // 4 AL
    1054, // 5 DZ
    1055, // 6 AD
    1056, // 7 AO
    1057, // 8 AG
    1058, // 9 AR
    1059, // 10 AM
    1060, // 11 AU
    1061, // 12 AT
    1062, // 13 AZ
    1063, // 14 BH
    1064, // 15 BD
    1065, // 16 BB
    1066, // 17 BY
    1067, // 18 BE
    1068, // 19 BZ
    1069, // 20 BJ
    1070, // 21 BT
    1071, // 22 BO
    1072, // 23 BA
    1073, // 24 BW
    1074, // 25 BR
    1075, // 26 BN
    1076, // 27 BG
    1077, // 28 BF
    1078, // 29 BI
    1079, // 30 KH
    1080, // 31 CM
    1081, // 32 CA
    1082, // 33 CV
    1083, // 34 TD
    1084, // 35 CL
    1085, // 36 CO
    1086, // 37 CR
    1087, // 38 CI
    1088, // 39 HR
    1089, // 40 CU
    1090, // 41 CY
    1091, // 42 DK
    1092, // 43 DJ
    1093, // 44 DM
    1094, // 45 TL
    1095, // 46 EC
    1096, // 47 EG
    1097, // 48 SV
    1098, // 49 GQ
    1099, // 50 ER
    1100, // 51 EE
    1101, // 52 ET
    1102, // 53 FM
    1103, // 54 FJ
    1104, // 55 FI
    1105, // 56 FR
    1106, // 57 GA
    1107, // 58 GE
    1241, // 59 DE
    1108, // 60 GH
    1109, // 61 GR
    1110, // 62 GD
    1111, // 63 GT
    1112, // 64 GN
    1113, // 65 GW
    1114, // 66 GY
    1115, // 67 HT
    1116, // 68 HN
    1117, // 69 HU
    1118, // 70 IS
    1119, // 71 IN
    1120, // 72 ID
    1121, // 73 IR
    1122, // 74 IQ
    1123, // 75 IE
    1124, // 76 IL
    1125, // 77 IT
    1126, // 78 JM
    1127, // 79 JP
    1128, // 80 JO
    1129, // 81 KZ
    1130, // 82 KE
    1131, // 83 KI
    1132, // 84 KW
    1133, // 85 KG
    1134, // 86 LA
    1135, // 87 LV
    1136, // 88 LB
    1137, // 89 LS
    1138, // 90 LR
    1139, // 91 LY
    1140, // 92 LI
    1141, // 93 LT
    1142, // 94 LU
    1143, // 95 MK
    1144, // 96 MG
    1145, // 97 MW
    1146, // 98 MY
    1147, // 99 MV
    1148, // 100 ML
    1149, // 101 MT
    1150, // 102 MR
    1151, // 103 MU
    1152, // 104 MX
    1153, // 105 MD
    1154, // 106 MC
    1155, // 107 MN
    1156, // 108 ME
    1157, // 109 MA
    1158, // 110 MZ
    1159, // 111 MM
    1160, // 112 NA
    1161, // 113 NR
    1162, // 114 NZ
    1163, // 115 NI
    1164, // 116 NE
    1165, // 117 NG
    1166, // 118 KP
    1167, // 119 NO
    1168, // 120 OM
    1169, // 121 PK
    1170, // 122 PW
    1171, // 123 PA
    1172, // 124 PG
    1173, // 125 PY
    1174, // 126 PE
    1175, // 127 PL
    1176, // 128 PT
    1177, // 129 QA
    1178, // 130 RO
    1179, // 131 RU
    1180, // 132 RW
    1181, // 133 KN
    1182, // 134 LC
    1183, // 135 VC
    1184, // 136 WS
    1185, // 137 SM
    1186, // 138 ST
    1187, // 139 SA
    1188, // 140 SN
    1189, // 141 RS
    1190, // 142 SL
    1191, // 143 SG
    1192, // 144 SK
    1193, // 145 SI
    1194, // 146 SO
    1195, // 147 ZA
    1196, // 148 KR
    1197, // 149 ES
    1198, // 150 LK
    1199, // 151 SD
    1200, // 152 SR
    1201, // 153 SZ
    1202, // 154 SE
    1203, // 155 CH
    1204, // 156 TJ
    1205, // 157 TZ
    1206, // 158 TH
    1207, // 159 BS
    1208, // 160 CF
    1209, // 161 KM
    1210, // 162 CZ
    1211, // 163 CG
    1212, // 164 DO
    1213, // 165 GM
    1214, // 166 MH
    1215, // 167 NL
    1216, // 168 CN
    1217, // 169 PH
    1218, // 170 CG
    1219, // 171 SC
    1220, // 172 SB
    1221, // 173 AE
    1222, // 174 GB
    1223, // 175 US
    1224, // 176 TG
    1225, // 177 TO
    1226, // 178 TT
    1227, // 179 TN
    1228, // 180 TR
    1229, // 181 TM
    1230, // 182 TV
    1231, // 183 UG
    1232, // 184 UA
    1233, // 185 UY
    1234, // 186 UZ
    1235, // 187 VU
    1236, // 188 VE
    1237, // 189 VN
    1238, // 190 YE
    1239, // 191 ZM
    1240, // 192 ZW
};
