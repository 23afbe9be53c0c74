-- Recorded answers (table Dados) of a good reference board: IP X (A11 platform, Acorn display supply).
-- Each Dados text holds the output lines (LF) and the prompt; zz_finaliza.sql turns it into
-- the console form (CR LF, CR CR LF after the removed echo). Board-specific parts are masked
-- with the text of the auto comparator, the fragments they stand for are rows of table M.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'Help',
'Diagnostics shell commands

  "bl"            backlight control (-n test, --off, -r all levels, -l/-m/-h level, -p percent)
  "battery"       battery information (--properties)
  "baseband"      baseband modem power and properties (--on, --off, -p)
  "bluetooth"     Bluetooth power and properties (--on, --off, -p)
  "buck"          voltage of every buck output
  "buckcheck"     buck outputs against their targets: buckcheck <tolerance %>
  "buttoncnt"     buttons test (--dqe), results on the device screen; /q ends it
  "device"        device properties (--key <name> -p)
  "display"       display information (--getmode)
  "displaytext"   fill the screen (-t text -b background -c colour -w)
  "gps"           GPS power and information (--on, --off, --getinfo)
  "i2c"           scan an I2C bus (-s <bus>)
  "nand"          NAND information (--getinfo)
  "nandsize"      NAND size
  "nanduid"       NAND unique identifier
  "pmuadc"        PMU ADC readout (--read all, --sel tigris, --sel chestnut)
  "reset"         restart the device
  "shutdown"      power the device off
  "stockholm"     NFC controller (--on, -p)
  "syscfg"        system configuration (list, print <key>)
  "testmemory"    DRAM self test (--1MB for the short test)
  "touch"         touch controller power (--on, --off)
  "tristar"       USB/charger port controller (-p, --read <register>)
  "wifi"          Wi-Fi power and properties (--on, --off, --properties)

Type "help <command>" for the options of one command.
[xxxxxxxx:xxxxxxxx] :-) ',
  'Lista de comandos do modo diagnóstico deste modelo. Clique duplo num comando entre aspas para enviá-lo.',
  'Command list of this model''s diagnostics shell. Double-click a quoted command to send it.',
  'Lista de comandos del modo diagnóstico de este modelo. Doble clic en un comando entre comillas para enviarlo.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 813.125 mV
BIST buck1: 1.875 mV
BIST buck2: 787.375 mV
BIST buck3: 1814.000 mV
BIST buck4: 1107.500 mV
BIST buck5: 877.625 mV
BIST buck6: 881.000 mV
BIST buck7: 1007.250 mV
BIST buck8: 1.250 mV
BIST buck9: 1254.000 mV
BIST buck10: 597.750 mV
BIST buck11: 808.000 mV
BIST buck3_sw1: 1801.250 mV
BIST buck3_sw2: 1800.375 mV
BIST buck3_sw3: 1798.000 mV
BIST buck4_sw1: 1108.250 mV
BIST buck4_sw2: 1114.875 mV
ibuck0: 263.500 mA
ibuck1: 0.375 mA
ibuck2: 207.500 mA
ibuck3: 66.375 mA
ibuck4: 76.250 mA
ibuck5: 52.750 mA
ibuck6: 33.250 mA
ibuck7: 38.500 mA
ibuck8: 0.250 mA
ibuck9: 30.500 mA
ibuck10: 49.625 mA
ibuck11: 26.750 mA
BIST ldo0: 1803.500 mV
BIST ldo1: 3040.625 mV
BIST ldo2: 1792.375 mV
BIST ldo3: 2977.625 mV
BIST ldo4: 2548.125 mV
BIST ldo5: 1.250 mV
BIST ldo6: 0.000 mV
BIST ldo7: 2949.750 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1767.750 mV
BIST ldo10: 1800.375 mV
BIST ldo11: 2999.250 mV
BIST ldo12: 906.250 mV
BIST ldo13: 1806.875 mV
BIST ldo14: 3258.750 mV
BIST ldo15: 1.875 mV
BIST ldo16: 0.625 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.000 mA
BIST ildo1: 10.500 mA
BIST ildo2: 14.000 mA
BIST ildo3: 6.500 mA
BIST ildo4: 26.000 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 12.875 mA
BIST ildo8: 0.125 mA
BIST ildo9: 12.625 mA
BIST ildo10: 5.000 mA
BIST ildo11: 7.625 mA
BIST ildo12: 16.750 mA
BIST ildo13: 6.625 mA
BIST ildo14: 9.375 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.000 mA
BIST ildo17: 0.000 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.500 mA
BIST vbuf_1v2: 1198.125 mV
BIST vrtc: 2972.625 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
acorn ground : 1.250 mV
acorn vin : 3882.750 mV
acorn vb : 5536.625 mV
acorn vp : 9946.875 mV
acorn vn : -6706.500 mV
acorn vh : 5231.500 mV
acorn vl : 3352.250 mV
acorn va : 3431.500 mV
acorn vc : 1103.375 mV
acorn die_temp : 33.500 C
acorn ia : 25.375 mA
acorn in : -18.375 mA
acorn ip : 21.250 mA
acorn ih : 4.250 mA
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 4988.250 mV
tigris ibus : 406.500 mA
tigris vbat : 3887.500 mV
tigris ibat : -145.125 mA
tigris vdd : 3870.375 mV
tigris die_temp : 31.816 C
tigris vbus1 : 5016.875 mV
tigris vbus2 : 13.000 mV
tigris vldo : 4937.625 mV
tigris vntc : 909.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'buck',
'buck0: 813.125 mV
buck1: 1.875 mV
buck2: 787.375 mV
buck3: 1814.000 mV
buck4: 1107.500 mV
buck5: 877.625 mV
buck6: 881.000 mV
buck7: 1007.250 mV
buck8: 1.250 mV
buck9: 1254.000 mV
buck10: 597.750 mV
buck11: 808.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'buckcheck 5',
'buck0: target 800 mV, measured 813.125 mV - PASS
buck1: target 0 mV, measured 1.875 mV - PASS
buck2: target 775 mV, measured 787.375 mV - PASS
buck3: target 1800 mV, measured 1814.000 mV - PASS
buck4: target 1100 mV, measured 1107.500 mV - PASS
buck5: target 875 mV, measured 877.625 mV - PASS
buck6: target 880 mV, measured 881.000 mV - PASS
buck7: target 1000 mV, measured 1007.250 mV - PASS
buck8: target 0 mV, measured 1.250 mV - PASS
buck9: target 1250 mV, measured 1254.000 mV - PASS
buck10: target 600 mV, measured 597.750 mV - PASS
buck11: target 800 mV, measured 808.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'buckcheck 10',
'buck0: target 800 mV, measured 813.125 mV - PASS
buck1: target 0 mV, measured 1.875 mV - PASS
buck2: target 775 mV, measured 787.375 mV - PASS
buck3: target 1800 mV, measured 1814.000 mV - PASS
buck4: target 1100 mV, measured 1107.500 mV - PASS
buck5: target 875 mV, measured 877.625 mV - PASS
buck6: target 880 mV, measured 881.000 mV - PASS
buck7: target 1000 mV, measured 1007.250 mV - PASS
buck8: target 0 mV, measured 1.250 mV - PASS
buck9: target 1250 mV, measured 1254.000 mV - PASS
buck10: target 600 mV, measured 597.750 mV - PASS
buck11: target 800 mV, measured 808.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 0',
'Scanning I2C bus 0
  0x8 : ACK
  0x50 : ACK
  0x74 : ACK
3 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 3',
'Scanning I2C bus 3
  0x8 : ACK
  0x51 : ACK
2 device(s) found on bus 3
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 4',
'Scanning I2C bus 4
  0x58 : ACK
1 device(s) found on bus 4
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 5',
'Scanning I2C bus 5
No devices found on bus 5
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 6',
'Scanning I2C bus 6
  0x39 : ACK
  0x55 : ACK
  0x71 : ACK
  0x75 : ACK
4 device(s) found on bus 6
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'i2c -s 7',
'Scanning I2C bus 7
  0x1A : ACK
1 device(s) found on bus 7
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'nand --getinfo',
'NAND information
name: NAND0
vendor: Toshiba
cell: TLC
xxxxx®
page size: 16384
block count: 4096
serial: xxxxx®
firmware: 0x0227
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1901 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0x5F4CCEFF 0x6B909788 0x52450772 0xCF7502E2 0x9D622E2D 0xE5534C1D
Key: BCMS Value: 0xFBBCFA76 0x85C13AFE 0xDD47FAA0 0x0549A659 0x92FE82EE 0xB70400F2
Key: FCMS Value: 0xAD30957B 0x569E2C1C 0x36598054 0x469CA6D7 0x347C2F4D 0x204DB8F3
Key: NvSn Value: 0xA9A49538 0x13218F74 0x20772A06 0x3DE6F47C 0xF39D4FEE 0x444AB0C8
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0xF5399086 0x69F17DC5 0x99FBA2C2 0x46699366 0xBA0F0BBD 0xF018E71B
Key: MtSN Value: 0x9130365D 0x8371B89F 0xCBD92E4E 0xF0BDFC7F 0xBE9C615F 0x426E7CAE
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0x5CBFEA4F 0x2378018E 0x7753DE11 0xFF37D287 0x2F37A8F7 0x8675EA0C
Key: CLHS Value: 0xFC33AC58 0x7CFA6F9F 0x036E1082 0x695885CE 0xECB8DE7B 0x4A88BCFF
Key: CBAT Value: 0xCDB67A62 0xA1B74F93 0xC3C56AD0 0x2045535F 0xC3170D0F 0xB7853CEF
Key: DClr Value: 0xC69C2AA2 0x504A9B34 0x2ED2FD07 0x7B185D1E 0x8005937F 0xA74AEC80
Key: ClrC Value: 0x40A43DB5 0x42374BED 0xD1AD3A95 0x8F8E02B8 0xA351A84F 0x571B7789
Key: CLBG Value: 0x6241DE65 0x0FC67CC4 0xEB5E1C76 0xE637E637 0x2DD8C13D 0xF53D154D
Key: DPSN Value: 0xFF4A9C6C 0x3BD67EE3 0xF40A454E 0x434FF121 0x0DC2EB14 0xE00CB57F
Key: FCMB Value: 0x3FB7DCC8 0xBAB2EE54 0x51535A42 0xEFB0036A 0x03098126 0xF54E58C9
Key: PRSq Value: 0x7216AE0D 0xB3A50796 0x750CDD42 0xC2359BAD 0x376C7746 0xC23547C3
Key: BGMt Value: 0xB4C513CA 0xC83B8413 0x8899D54B 0x4E2B8006 0x36C66C48 0xA65B4B3E
Key: SwBh Value: 0x865FA780 0x9242ECC5 0x5C4F2FFD 0x9E17BF81 0x5454D1C8 0x69572101
Key: BCAR Value: 0x0389D621 0x1EF440C9 0xB500FBC7 0x6464D544 0xD6756035 0x253B56F3
Key: CPAD Value: 0xC815EBAC 0x0EA34671 0xE91FB8B5 0x280FA52F 0x44800954 0x3433539D
Key: CPBS Value: 0xBF9BF034 0xC9CFD7A3 0x47E28228 0x23CF0B22 0xAE6F0281 0xFFC016D0
Key: BLCl Value: 0x6F98ABC3 0x83AA4BE4 0xA88CE65C 0x9283254B 0x1CFC442F 0x3A508927
Key: WCAL Value: 0x82C2675B 0xA9B06B5F 0x5CDA3B75 0x4DC9C9E2 0x83D2EB4D 0x87E3E7EB
Key: PxCl Value: 0x2F763EA1 0x511A9EFE 0xA613922D 0x76E4EBF3 0xEC6465CC 0xB883B746
Key: STRB Value: 0xCC07A848 0x190F7DC7 0x7F436EB7 0x9EC53E47 0xC01E87D7 0x1B1E3CB5
Key: AICl Value: 0xDF605426 0xF0F558C4 0x1A35EA98 0x596C24D0 0x3EA6238C 0x5C9F7670
Key: ALSB Value: 0x2225B8F0 0x89AA975C 0x38EDDB5F 0xB2CAFEBA 0xAACEEBF4 0x8CEEE7EB
Key: CGSp Value: 0x83D0087A 0x4E8025D0 0xFE99D623 0x106AB717 0xEF58E667 0x95054B17
Key: DBCl Value: 0x727F4197 0x12B5D6E5 0xEFB895E3 0x112DC0A7 0x148B1C48 0x8E6E4C22
Key: DTCl Value: 0x48F49496 0x3537D4EE 0x3595E792 0xC1878E4F 0x48A9CC06 0xB56C14A8
Key: FDAC Value: 0xA63264FF 0x9E45BF12 0xF2484F45 0x8E6862FD 0x7D5500AA 0xD3F749D1
Key: GICl Value: 0x4684E18C 0xF515C982 0xDBC9897B 0xA67EE915 0xE64CF757 0x1315DCA1
Key: GLCl Value: 0xE649EE75 0x42B56C1D 0x95D0439B 0x69C1C941 0x69E1953A 0xC8FE2EBA
Key: GPCl Value: 0x35B5455F 0xA338EE57 0xDDFA3582 0x975CAA96 0xBCBA4E03 0x6BACC66E
Key: GYCl Value: 0xB3915038 0x3454526F 0x4D1535FA 0x860CFE70 0x7272BDBA 0xDE44763E
Key: HmCA Value: 0x66FDDF55 0x7A996967 0x43C3BEE3 0x0D00CEFB 0x1FC1BC69 0x9FF5C9F8
Key: LSCI Value: 0xE3255DBA 0xB617266B 0xAA725024 0x590AD4A2 0x983E2108 0x9227C14A
Key: LTAO Value: 0x0846C2E7 0x6A3C28B1 0x5A93DA91 0xDCCE88F5 0x7E798153 0x02700C1C
Key: MdlC Value: 0x2BCE9703 0x267DA055 0x013CCB80 0xCA0FC13B 0x69DCA39D 0x5F42EEF0
Key: MiBB Value: 0x87CFFA97 0x16880AB5 0x25402531 0xC75628C2 0xAF021841 0xDC5F9183
Key: NFCl Value: 0xF7A1F3FC 0x65647458 0xEA3A901A 0xEE75981F 0x7530134B 0xA42A40E8
Key: NoCl Value: 0x5ADCC5CD 0x5B2E218B 0xC9360E09 0x0BB0EC92 0x22075579 0x6C1A3341
Key: OPCl Value: 0xBFF4DDBD 0x13BBADCE 0xEE50F991 0xC2984CED 0x9D96F720 0x60278DAF
Key: PSCl Value: 0xCA5E8582 0xEDD2B253 0xE383180E 0x23839417 0xFF1EFF0B 0xF7C3CB6E
Key: PSTR Value: 0xD9C20CDB 0x3AAAEF4D 0xA7E82856 0x554CAC1C 0x02987800 0x73511CD4
Key: RBmC Value: 0x7DEE250E 0x3F7A2546 0xD7DFDB5A 0x5303452E 0xEE9BFF59 0x32D4A483
Key: RFEM Value: 0x9A979D15 0x01DA8C23 0xD61C5C2A 0xE0F46CFF 0x70077439 0x250F04AE
Key: RxCL Value: 0x21FC2DE0 0xFE199AF6 0x92E8FF29 0x9E43B0CA 0x55A8917C 0x2BCF9733
Key: SBVr Value: 0xC014C3FF 0xB14BFF60 0xADF9BA5B 0xC516D3CA 0xF128877D 0x67462373
Key: SrCl Value: 0xD27C079B 0x05D2E560 0xA437C19A 0x06CD35C4 0x65A5EF7A 0xFA6342B7
Key: SwCl Value: 0xD57E531F 0x784F1C7A 0x407C0CC2 0xB32B9FB1 0xB47D50F0 0x7F8058BB
Key: TCal Value: 0xCEEF78BB 0x7C72E625 0x3BC948B7 0xBAD54AE5 0x7AB9C79B 0x827E83F8
Key: TEMP Value: 0xEE9774F5 0xC56428E9 0x50C7B70B 0x971D337B 0x176635E9 0x2861C1FD
Key: TrCl Value: 0xBAD8E81A 0xF8381E42 0x5179B9C0 0x4EE883C0 0x4C3004A8 0xD50F845D
Key: UCal Value: 0x6B32D688 0xCC18E8D3 0x50A2CAE2 0xD5F8244F 0x667DB752 0xC4B8CF64
Key: VBCA Value: 0xB63B585C 0x840F81FC 0x2B26E5FF 0x43F266A1 0x302FB859 0xF627C68E
Key: WtCl Value: 0x71957446 0x67DD1DF7 0x243274B3 0x70130AC0 0x010BD514 0x85A3BC40
Key: XtAl Value: 0x1051CD1F 0xF95955D6 0xCC6C8620 0x1B137B8C 0xA94D40FA 0x1F330D5D
Key: ARot Value: 0x5EC3169B 0xE472A1BF 0x6AFD9BD4 0x56CEF053 0x9FE74579 0x346FB0C3
Key: BCGr Value: 0x1F63AB6A 0xBD805CD1 0x683D0174 0x87F58F89 0x3058B392 0x054E87D8
Key: BTRx Value: 0x81103956 0x0B013DA4 0x2A60DBAF 0x2A8C8970 0xAB393396 0xC48C10AF
Key: BTTx Value: 0xC19FEB9D 0x76A21E02 0xC7A00772 0x43E92A46 0xBC6561E4 0x984453E0
Key: CFG# Value: 0x97670E85 0xEBD3BC20 0x0E853499 0x53CB050E 0xEAA1F664 0x1C328E45
Key: CRot Value: 0x293BC578 0x02A8411F 0xE1EFC7CB 0xA29CBF2E 0xA8B6EB56 0x47616B27
Key: DDAC Value: 0x6047C087 0x8009902F 0xB0959EEF 0x0379BB61 0x4C4B5C6A 0xBF2E3793
Key: FGSN Value: 0x1E5BB11B 0x98E309F8 0x2A3D2045 0x1C723B05 0x153FCA38 0x25FD7271
Key: FrCl Value: 0xDE4C254F 0xC0884461 0xD89183A0 0x93615591 0x70483386 0x7B8B09BD
Key: FSCl Value: 0xD56E36ED 0x6BACD694 0x009410D8 0xC2C7E7FF 0xECF69F5C 0x162468AA
Key: HVBt Value: 0xD0C21890 0xE4229BB5 0x32BC99EC 0x0F2C691D 0xD49CB946 0x12E612B2
Key: IDCl Value: 0x62ADBFE7 0xD68FA312 0x490629E4 0x3D4A7591 0xFF54E331 0x49EFAAE3
Key: LTRC Value: 0xE9433C65 0x18C1F637 0xE6955DF7 0xC4FF9082 0xCDBA0B59 0x2BFFEA1C
Key: MCaL Value: 0x329907D0 0x36A1D180 0x57C73CC5 0x4D309882 0xCDEF797F 0x629305DF
Key: MdBs Value: 0xCC5D8901 0x41D0C377 0x4543C963 0xBAE45DA0 0x667FE847 0x81F2637D
Key: MtCL Value: 0xCF31CEF3 0x869BE73C 0xC3EB1E35 0xF188FA85 0x0B048DA2 0x2145C67B
Key: NBCl Value: 0x5C9868C9 0x93D4498D 0xC8B96723 0xDDC061E7 0xB2373C8E 0x4FC3488B
Key: PHCl Value: 0x686E5495 0x6B8116B0 0x71606122 0xC5E6D551 0x1C6AF6B6 0x66AC7C85
Key: PrCl Value: 0x09DA2A70 0x64395A2D 0x05D8F65B 0x4DC6E05D 0x7E9921F0 0x7DE59E01
Key: PxOf Value: 0xCC8E89AE 0x6C7375DC 0xD3D0C1CF 0x4975202D 0x27974612 0x8DE8B1AD
Key: RPCl Value: 0x4CB1EA27 0x1EE8FC69 0xA614FB3A 0x05F2240E 0xD879B838 0x095C4044
Key: SaCl Value: 0xD2A8AC14 0x365A47F3 0x06802856 0xC5CECE11 0xE37C743E 0x53797C33
Key: SLCl Value: 0x0D169373 0xFDDE713B 0x73D96DF1 0xC6A1D148 0x1AED5D55 0x63EE4D0E
Key: TCMp Value: 0x27D7D33F 0x635E2F0F 0x531436B6 0xDE56110E 0x5B9AC989 0xC95339DD
Key: TPCl Value: 0x00409C3C 0x03C95588 0xAE07B0CF 0x57C903EF 0x2233BAE3 0x09E9854E
Key: VPBR Value: 0xDF481EEE 0x1A0D9C3B 0x50850EE7 0x761F950B 0x88FDF6DF 0x136F984A
Key: WRot Value: 0xCAAF6033 0x4484AA33 0x00EB8F39 0xA8FEE5F3 0xF960BB7E 0x628021F1
Key: XCal Value: 0xCEEBE507 0xC205E3EB 0x33E7B374 0x51EFA9B7 0x7ADA38B4 0xB7E704FA
Key: YCal Value: 0x789904AD 0x9EC4019E 0x3B3A0A8C 0xFE2D0938 0xD45508F3 0x16B364D6
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'baseband -p',
'Baseband properties
  vendor: Intel XMM7480
  firmware: 7.4.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4355
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'wifi --properties',
'Wifi properties
  chip: BCM4355
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 67V04
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'gps --on',
'GPS power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'gps --off',
'GPS powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'gps --getinfo',
'GPS information
  chip: BCM47734
  id: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'tristar -p',
'Hydra properties
  device-id: 0x05
  revision: 0x02
  usb-switch: enabled
  charger-detect: SDP (500 mA)
  accessory: none
  orientation: normal
  interrupt-mask: 0x0000001F
  status: idle
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Hydra numa placa boa sem cabo no conector.',
  'Answer of the Hydra on a good board with nothing plugged in.',
  'Respuesta del Hydra en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
'dx1  register 0x4A : 0x00 (idle)
dx2  register 0x4B : 0x00 (idle)
acc1 register 0x52 : 0x00 (no accessory)
acc2 register 0x53 : 0x00 (no accessory)
idx  register 0x60 : 0x04
vdx  register 0x61 : 0x1C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Hydra numa placa boa sem cabo no conector.',
  'Answer of the Hydra on a good board with nothing plugged in.',
  'Respuesta del Hydra en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 2716mAh
  xxxxx®
  xxxxx®
  xxxxx®
  xxxxx®
  xxxxx®
  xxxxx®
  authentication: Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "2716mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'testmemory --1MB',
'Testing 1MB of DRAM...
  pattern 0x00000000 ... ok
  pattern 0xFFFFFFFF ... ok
  pattern 0xAAAAAAAA ... ok
  pattern 0x55555555 ... ok
  walking ones ... ok
  address test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'display --getmode',
'Display mode: 1125x2436 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP X', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

