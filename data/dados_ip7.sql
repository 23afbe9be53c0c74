-- Recorded answers (table Dados) of a good reference board: IP 7 and IP 7 Plus (A10 platform).
-- Each Dados text holds the output lines (LF) and the prompt; zz_finaliza.sql turns it into
-- the console form (CR LF, CR CR LF after the removed echo). Board-specific parts are masked
-- with the text of the auto comparator, the fragments they stand for are rows of table M.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 832.875 mV
BIST buck1: 1.250 mV
BIST buck2: 805.375 mV
BIST buck3: 1780.250 mV
BIST buck4: 1100.750 mV
BIST buck5: 898.250 mV
BIST buck6: 903.625 mV
BIST buck7: 999.875 mV
BIST buck8: 0.625 mV
BIST buck9: 0.000 mV
BIST buck3_sw1: 1811.625 mV
BIST buck3_sw2: 1819.000 mV
BIST buck3_sw3: 1787.375 mV
BIST buck4_sw1: 1116.625 mV
BIST buck4_sw2: 1110.250 mV
ibuck0: 253.500 mA
ibuck1: 0.375 mA
ibuck2: 205.125 mA
ibuck3: 80.125 mA
ibuck4: 79.875 mA
ibuck5: 54.625 mA
ibuck6: 40.500 mA
ibuck7: 41.000 mA
ibuck8: 0.250 mA
ibuck9: 0.250 mA
BIST ldo0: 1767.875 mV
BIST ldo1: 3003.625 mV
BIST ldo2: 1792.125 mV
BIST ldo3: 2983.750 mV
BIST ldo4: 2546.375 mV
BIST ldo5: 0.625 mV
BIST ldo6: 1.250 mV
BIST ldo7: 2949.875 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1803.375 mV
BIST ldo10: 1796.500 mV
BIST ldo11: 3017.125 mV
BIST ldo12: 905.500 mV
BIST ldo13: 1833.500 mV
BIST ldo14: 3239.750 mV
BIST ldo15: 0.000 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.000 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.125 mA
BIST ildo1: 9.875 mA
BIST ildo2: 15.250 mA
BIST ildo3: 6.375 mA
BIST ildo4: 30.500 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 9.875 mA
BIST ildo8: 0.250 mA
BIST ildo9: 13.750 mA
BIST ildo10: 5.500 mA
BIST ildo11: 8.750 mA
BIST ildo12: 21.375 mA
BIST ildo13: 6.000 mA
BIST ildo14: 8.750 mA
BIST ildo15: 0.000 mA
BIST ildo16: 0.125 mA
BIST ildo17: 0.125 mA
BIST ildo18: 0.000 mA
BIST ildo19: 0.125 mA
BIST ibuf_1v2: 1.625 mA
BIST vbuf_1v2: 1179.375 mV
BIST vrtc: 3002.875 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 5018.750 mV
tigris ibus : 437.250 mA
tigris vbat : 3917.500 mV
tigris ibat : -144.375 mA
tigris vdd : 3820.125 mV
tigris die_temp : 31.766 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5663.625 mV
chestnut vldo2 : 5668.500 mV
chestnut vldo3 : 5048.000 mV
chestnut ildo1 : 8.000 mA
chestnut ildo2 : 8.000 mA
chestnut ildo3 : 3.125 mA
chestnut vneg : -5697.750 mV
chestnut ineg : -7.125 mA
chestnut vin : 3850.250 mV
chestnut ground : 1.250 mV
chestnut vboost : 6041.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'buck',
'buck0: 832.875 mV
buck1: 1.250 mV
buck2: 805.375 mV
buck3: 1780.250 mV
buck4: 1100.750 mV
buck5: 898.250 mV
buck6: 903.625 mV
buck7: 999.875 mV
buck8: 0.625 mV
buck9: 0.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'buckcheck 5',
'buck0: target 825 mV, measured 832.875 mV - PASS
buck1: target 0 mV, measured 1.250 mV - PASS
buck2: target 800 mV, measured 805.375 mV - PASS
buck3: target 1800 mV, measured 1780.250 mV - PASS
buck4: target 1100 mV, measured 1100.750 mV - PASS
buck5: target 900 mV, measured 898.250 mV - PASS
buck6: target 900 mV, measured 903.625 mV - PASS
buck7: target 1000 mV, measured 999.875 mV - PASS
buck8: target 0 mV, measured 0.625 mV - PASS
buck9: target 0 mV, measured 0.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'buckcheck 10',
'buck0: target 825 mV, measured 832.875 mV - PASS
buck1: target 0 mV, measured 1.250 mV - PASS
buck2: target 800 mV, measured 805.375 mV - PASS
buck3: target 1800 mV, measured 1780.250 mV - PASS
buck4: target 1100 mV, measured 1100.750 mV - PASS
buck5: target 900 mV, measured 898.250 mV - PASS
buck6: target 900 mV, measured 903.625 mV - PASS
buck7: target 1000 mV, measured 999.875 mV - PASS
buck8: target 0 mV, measured 0.625 mV - PASS
buck9: target 0 mV, measured 0.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'i2c -s 0',
'Scanning I2C bus 0
  0x1A : ACK
  0x27 : ACK
  0x62 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'i2c -s 1',
'Scanning I2C bus 1
  0x62 : ACK
  0x75 : ACK
2 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'i2c -s 3',
'Scanning I2C bus 3
  0x50 : ACK
  0x62 : ACK
2 device(s) found on bus 3
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'i2c -s 4',
'Scanning I2C bus 4
  0x29 : ACK
  0x58 : ACK
2 device(s) found on bus 4
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'nand --getinfo',
'NAND information
name: NAND0
vendor: Toshiba
cell: TLC
xxxxx®
page size: 16384
block count: 2048
serial: xxxxx®
firmware: 0x0227
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1660 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0x30A27F1C 0x0DF1C3AA 0x96E82576 0x793C28B1 0x8E5543A7 0x37B4C814
Key: BCMS Value: 0x8D2CA425 0xCEF9E543 0x0126845A 0x2C8B16A3 0x2FE15712 0x68EF0F75
Key: FCMS Value: 0x2DA12BAC 0xE860048B 0xAC5E2914 0xC9E0831F 0x1384945E 0xDFD18940
Key: NvSn Value: 0xA5E4F616 0xBE1EDE13 0x5F2DCBC0 0xC702C5FB 0x122EA84B 0xAACAAF2F
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x141E0EBE 0xA1C99890 0xF98B1181 0xC43302E9 0x287B4A47 0x9B896707
Key: MtSN Value: 0x20D0FCBE 0x66C34DD9 0x1C8193F9 0x3B8BEF7A 0x57B63AA4 0x524048E1
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0xE6328BE5 0xA9E85C1F 0x69166F16 0x7CD49D4E 0x88B55178 0x051DC8DD
Key: CLHS Value: 0x3816BB3A 0x56C5F79C 0x2794D8D5 0x274A29D9 0x25B1D903 0x99DA0CBD
Key: CBAT Value: 0x6C74ACE0 0xF6BE16FE 0x50C4AD0D 0xD4B69E7B 0x2C7DBC8F 0x51D73835
Key: DClr Value: 0xA41D863A 0x9F195F94 0x610A3C55 0x2A6FC3FB 0xA27E1FBB 0x18EE0795
Key: ClrC Value: 0x22EF201E 0x164E035A 0x24D96E0F 0x7E4BDDFD 0x601FE5D4 0x10524BF1
Key: CLBG Value: 0x571E5318 0xC854132D 0xEFF7A13A 0x2E850B03 0x1E8CAE5B 0x3117F62F
Key: DPSN Value: 0x1D5EAAFC 0xEA07762E 0x090F1F21 0xBBFBB622 0x26FB0D75 0x9CAD1471
Key: FCMB Value: 0x4317BF95 0x9D805211 0x108BAAF8 0xDDF78B5B 0x2C54DA06 0x2DA4CB91
Key: PRSq Value: 0xBAEAD58F 0x138B7578 0xDBABB1D2 0xE7227B78 0x3DC39D8A 0x4C578F32
Key: BGMt Value: 0xF9A7667C 0x210CFD38 0xC365E2DA 0xDB573093 0xA774FF0C 0x79CC257D
Key: SwBh Value: 0xD5C27F3C 0xDB51826B 0x23C72901 0x0EA8C3D0 0x23CEC68C 0x5ED7D95B
Key: BCAR Value: 0xA20F8EF9 0x1D885C85 0x9352EA65 0x2DE8F3B9 0x4FBA997B 0x5FB56F52
Key: CPAD Value: 0x68BB4CB4 0x87F0A02D 0x26253E60 0x02E48AD2 0x90376082 0xDB0D06A7
Key: CPBS Value: 0x95DD1C0E 0x5D224335 0x4ACAADAD 0x7B6607E7 0xB5245FB4 0x3899A197
Key: BLCl Value: 0x70696FD2 0xB2F029BF 0x121635CD 0xD7C305E3 0x22A0122E 0x8072E92E
Key: WCAL Value: 0x23174E04 0x1D512E91 0xA6AE795D 0x615E34CF 0xFA96E399 0x91F7AF40
Key: PxCl Value: 0x984AFEF8 0x07290659 0xDE0BBB4B 0x7AA3FEC7 0x26E142DA 0xF7ABB278
Key: STRB Value: 0x3EADDEDE 0xBDD9C10D 0xF96EA37B 0x0CD174A6 0x73BBD001 0x0B922234
Key: AICl Value: 0x1C09001F 0x08CA2CEC 0x7343989B 0xA40C1E94 0xEE3682FF 0x04CF6D23
Key: ALSB Value: 0xD25FB89E 0xEA04263A 0x58655444 0x916AACFC 0x034F466D 0xBE7AD792
Key: CGSp Value: 0x0BADC754 0x304B9DB7 0x12ADEB77 0x4906DC8C 0x691C2170 0x9CE0CD83
Key: DBCl Value: 0x45F8BB79 0x0B0220E2 0x936EFDFE 0xA0427BD2 0x2AB63F89 0xC7EDB4A2
Key: DTCl Value: 0x042E5899 0xFA76AFD5 0x0E686106 0x15B98FC6 0x9FF7A300 0x1104BDED
Key: FDAC Value: 0x72315C0F 0x895B3FF5 0xCEBCA8E8 0x8FC7F567 0x679AB484 0x460CF088
Key: GICl Value: 0x7AFFB242 0xEE5693E1 0x71392E3B 0x7494B2B4 0xF231FAD8 0x15A98CC0
Key: GLCl Value: 0xEE102B0C 0xC671C872 0xF7747325 0x7F89E825 0x5EBB5456 0x2A2C04DE
Key: GPCl Value: 0x0DFE303F 0xD7319415 0x2112BF89 0x1C5ED435 0x7A0A9716 0x9B5B56BB
Key: GYCl Value: 0xD938C126 0x1C42AD86 0xE254AE06 0xC24013CB 0x6E983CC6 0x3699AFDF
Key: HmCA Value: 0x34428374 0x2FD1D4C8 0xC6CCEDFA 0x96E17B47 0x916CE6F6 0xEF6316AF
Key: LSCI Value: 0x14633070 0x66DCDA81 0x916BD5E0 0xFB7B8D45 0x8BAC5646 0x1DA28C43
Key: LTAO Value: 0x9F01C676 0x31B39DA9 0x047085C4 0xA4762A7A 0xC99E5CBF 0x515F4EB6
Key: MdlC Value: 0xF17DB842 0x70120BC4 0xC1468928 0x95F65892 0x7FB08C1D 0x25EF34AE
Key: MiBB Value: 0x939BFE7B 0x0C530646 0x26F9A9EE 0x2E0940EA 0x95DCE467 0xF35D147E
Key: NFCl Value: 0xF9686BA7 0x90E6F7C2 0xA8F4EEE2 0x4547E231 0x63CC9194 0x8CC57B3C
Key: NoCl Value: 0xC005D692 0xC1D131BE 0x5FEFAC6A 0xD48480D5 0x968A948F 0x0349019B
Key: OPCl Value: 0x6686AD64 0x86AF07C0 0xEB76AE01 0x4182327E 0xA4166237 0x287511B0
Key: PSCl Value: 0x22C2986A 0xB6D75310 0xD1C0ED9F 0x57E23EDF 0xDB6DC304 0xE1547E99
Key: PSTR Value: 0xFEDFCA17 0x87A02CE6 0x306F6454 0x42556D2E 0x315C3497 0x5EEB1CC0
Key: RBmC Value: 0xFC3C218A 0x0AFDF25B 0x5B682020 0x8F5FF8B5 0xB1496080 0xFE3A6149
Key: RFEM Value: 0x5BBC47FA 0x10DC2E2A 0x8E49257C 0xE7020F80 0x29026880 0x8C0DF604
Key: RxCL Value: 0x395221D6 0x71267546 0x9E48B1E3 0xA5B6A1CF 0x52C552A0 0x8AD4BED6
Key: SBVr Value: 0x7D920B87 0x829D93AB 0x3BF684EB 0xC5BF0697 0x130BDCA5 0x1EC603F8
Key: SrCl Value: 0xEA590F94 0xDAF78C32 0xF173C51B 0xF984155C 0x878442B3 0x52ECF17C
Key: SwCl Value: 0xC3953B09 0xA0107B42 0xBE29725B 0xBB05E360 0x7FF9B5DA 0x91BDBE28
Key: TCal Value: 0x0C1BB76B 0xBFD6AFB9 0x7E0A95A1 0xE86CF2EB 0x179CA9F2 0x0751EC99
Key: TEMP Value: 0x5677BB73 0x129E7138 0x66B710D5 0x039D7023 0xD2F601C0 0x04998B23
Key: TrCl Value: 0x56E8052A 0x22C79D8F 0x6D47384F 0x21E9B3B9 0x4CBC6EC7 0x7F192C52
Key: UCal Value: 0x2CF0FB6F 0xBE39E8D5 0x0EF2BAF3 0x7A361E7A 0xAAC9A48A 0x2DD62764
Key: VBCA Value: 0x4D695214 0xCC96FC8F 0x915D451E 0x2C8DD7A7 0xF659F9F3 0x63EBC66A
Key: WtCl Value: 0x6E4EBBCE 0x2723FA32 0x50BB4781 0x344AD290 0xC99A8FE8 0x1784A0B2
Key: XtAl Value: 0x076FDDE8 0x44F3CD5C 0xC0F56B3C 0x4E6F9917 0xCBD996DD 0xF4CCCC3B
Key: ARot Value: 0xE101EE73 0x9873F826 0xE32E448C 0x0D324C93 0x2A9C3C6D 0xAD8739AF
Key: BCGr Value: 0xBC87DB29 0x69F834CC 0x140B6879 0xEF7E11F9 0x41504CD3 0x5277F021
Key: BTRx Value: 0x38783F16 0xEBE6183B 0x2BF39D74 0x2F6897BA 0x365B31C8 0x0E756BBB
Key: BTTx Value: 0xB52125BB 0x0B72E431 0x63D3F6AA 0x196D83B0 0xA6F303D0 0xBBD18404
Key: CFG# Value: 0xE484F85A 0x52970EFC 0x440D79EF 0x201E0124 0x5A3888E5 0x280976D6
Key: CRot Value: 0xBFF12CEA 0xB52F094C 0x5475D0F8 0x8DFAE901 0xCBB73CD4 0x19215805
Key: DDAC Value: 0x2546A831 0x66206574 0xEE040BF8 0x37ED66B7 0xBE47D1FF 0xFB4838D3
Key: FGSN Value: 0xD5261FB6 0x3E6C6675 0x04498CAE 0xD0022227 0xF5A1EC02 0xFF9254AC
Key: FrCl Value: 0xF2ACBC17 0xF9E80678 0xA47D61F3 0xAEA445AC 0x622373BA 0x97198C64
Key: FSCl Value: 0x7A60AAD0 0x1984E3D2 0xCCE2EFF4 0x50E35451 0xBD7D2673 0xD1640DD8
Key: HVBt Value: 0xCF0235BD 0x00221AB3 0x11709187 0x29ED0EC9 0xC3AE0361 0x24AFE117
Key: IDCl Value: 0x03B1B8B0 0xAC858A12 0xE67DBCDC 0xD3711C36 0xAF0F2B13 0xA196B279
Key: LTRC Value: 0x81CAE9C0 0xE129A93D 0xBD95ECB0 0x168DF390 0x2A37E843 0x013E7320
Key: MCaL Value: 0xE3AA21EE 0xD53822CB 0x1ADCCBDF 0xADDD7235 0x7E8B9EA8 0x82DA32D3
Key: MdBs Value: 0x31174503 0xCDC3FE5C 0xA86F871F 0x1BAC1EF8 0x8DFFF28C 0x9F8381D2
Key: MtCL Value: 0xB0F8A7FF 0x1421D796 0x79403AD5 0x16E3BCD7 0x1858E1B0 0x26949B3E
Key: NBCl Value: 0x446A60A5 0xFB6AE10D 0x4CBF8B2B 0xECB6AEEF 0x0350EFBB 0x1D99E054
Key: PHCl Value: 0x3E5DB7B3 0x9668AE6C 0x8A96C699 0x963C46B7 0x7F330463 0x7733381E
Key: PrCl Value: 0x2889B585 0xE6495218 0x3834F5D3 0x67E33B2A 0xB69AB377 0xF434A635
Key: PxOf Value: 0x1D06390A 0x9D13B4EC 0x3E3AA8FD 0x61A7BB5C 0x8BBA235A 0x657136ED
Key: RPCl Value: 0x1986DF5C 0x5CC9CEB4 0xD25C9B01 0x94E6D1A1 0x87A5684C 0x3929F0CF
Key: SaCl Value: 0xB1DDB35E 0xA100DF4C 0x6CA1AFB0 0x75BF5112 0xC9A56F12 0x21F1E4BB
Key: SLCl Value: 0xBEAED139 0x4AF0C75A 0xBFECF2D3 0x07ECB1FA 0xC901180F 0x0D2D7B52
Key: TCMp Value: 0x378B892E 0xA02CF2AD 0x9D2ADF58 0x2FD8B3DA 0x1842E831 0x8A33E1BC
Key: TPCl Value: 0x87ACBB8D 0x0500159D 0x91B626FE 0x3C8D3E16 0x8F4D4C5A 0xE594128B
Key: VPBR Value: 0x934EBCAC 0x2BA41C67 0xA66E1B22 0x8922EBEB 0x83F48689 0xA6ED6B55
Key: WRot Value: 0x91594C75 0xE1719435 0xA5FE516A 0x7FA4AEDF 0xD4B8C5B7 0x4758C94B
Key: XCal Value: 0xEAACFE77 0xF8091942 0xC3B5CAD2 0xD277A4F6 0x8036D24C 0x41598C2D
Key: YCal Value: 0x4780AF26 0x71136F1C 0xCA36608E 0x8BF0A811 0x555CEDB0 0x08353B50
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'baseband -p',
'Baseband properties
  vendor: Intel XMM7360
  firmware: 7.4.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4355
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'wifi --properties',
'Wifi properties
  chip: BCM4355
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 67V04
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'gps --on',
'GPS power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'gps --off',
'GPS powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'gps --getinfo',
'GPS information
  chip: BCM47734
  id: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'tristar -p',
'Tristar properties
  device-id: 0x0D
  revision: 0x03
  usb-switch: enabled
  charger-detect: SDP (500 mA)
  accessory: none
  orientation: normal
  interrupt-mask: 0x0000001F
  status: idle
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Tristar numa placa boa sem cabo no conector.',
  'Answer of the Tristar on a good board with nothing plugged in.',
  'Respuesta del Tristar en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
'dx1  register 0x4A : 0x00 (idle)
dx2  register 0x4B : 0x00 (idle)
acc1 register 0x52 : 0x00 (no accessory)
acc2 register 0x53 : 0x00 (no accessory)
idx  register 0x60 : 0x04
vdx  register 0x61 : 0x1C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Tristar numa placa boa sem cabo no conector.',
  'Answer of the Tristar on a good board with nothing plugged in.',
  'Respuesta del Tristar en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 1960mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "1960mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'display --getmode',
'Display mode: 750x1334 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 833.000 mV
BIST buck1: 0.625 mV
BIST buck2: 805.875 mV
BIST buck3: 1828.250 mV
BIST buck4: 1085.000 mV
BIST buck5: 904.000 mV
BIST buck6: 915.875 mV
BIST buck7: 1009.625 mV
BIST buck8: 1.875 mV
BIST buck9: 0.000 mV
BIST buck3_sw1: 1797.875 mV
BIST buck3_sw2: 1777.375 mV
BIST buck3_sw3: 1771.000 mV
BIST buck4_sw1: 1117.875 mV
BIST buck4_sw2: 1110.125 mV
ibuck0: 306.000 mA
ibuck1: 0.375 mA
ibuck2: 189.375 mA
ibuck3: 73.750 mA
ibuck4: 80.375 mA
ibuck5: 50.000 mA
ibuck6: 36.250 mA
ibuck7: 40.500 mA
ibuck8: 0.250 mA
ibuck9: 0.250 mA
BIST ldo0: 1824.875 mV
BIST ldo1: 3044.500 mV
BIST ldo2: 1820.500 mV
BIST ldo3: 2969.000 mV
BIST ldo4: 2528.000 mV
BIST ldo5: 1.250 mV
BIST ldo6: 0.000 mV
BIST ldo7: 2952.000 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1771.000 mV
BIST ldo10: 1790.375 mV
BIST ldo11: 3001.875 mV
BIST ldo12: 911.125 mV
BIST ldo13: 1794.250 mV
BIST ldo14: 3290.375 mV
BIST ldo15: 0.625 mV
BIST ldo16: 0.625 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.000 mV
BIST ildo0: 2.250 mA
BIST ildo1: 10.375 mA
BIST ildo2: 15.000 mA
BIST ildo3: 5.500 mA
BIST ildo4: 25.375 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 11.750 mA
BIST ildo8: 0.250 mA
BIST ildo9: 11.875 mA
BIST ildo10: 6.375 mA
BIST ildo11: 8.125 mA
BIST ildo12: 19.625 mA
BIST ildo13: 5.750 mA
BIST ildo14: 9.375 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.000 mA
BIST ildo17: 0.125 mA
BIST ildo18: 0.000 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.375 mA
BIST vbuf_1v2: 1183.125 mV
BIST vrtc: 3027.125 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 5001.500 mV
tigris ibus : 415.250 mA
tigris vbat : 3895.625 mV
tigris ibat : -166.625 mA
tigris vdd : 3849.000 mV
tigris die_temp : 31.635 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5764.875 mV
chestnut vldo2 : 5675.750 mV
chestnut vldo3 : 5099.750 mV
chestnut ildo1 : 7.875 mA
chestnut ildo2 : 7.625 mA
chestnut ildo3 : 3.000 mA
chestnut vneg : -5668.500 mV
chestnut ineg : -7.125 mA
chestnut vin : 3870.125 mV
chestnut ground : 1.250 mV
chestnut vboost : 6021.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'buck',
'buck0: 833.000 mV
buck1: 0.625 mV
buck2: 805.875 mV
buck3: 1828.250 mV
buck4: 1085.000 mV
buck5: 904.000 mV
buck6: 915.875 mV
buck7: 1009.625 mV
buck8: 1.875 mV
buck9: 0.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'buckcheck 5',
'buck0: target 825 mV, measured 833.000 mV - PASS
buck1: target 0 mV, measured 0.625 mV - PASS
buck2: target 800 mV, measured 805.875 mV - PASS
buck3: target 1800 mV, measured 1828.250 mV - PASS
buck4: target 1100 mV, measured 1085.000 mV - PASS
buck5: target 900 mV, measured 904.000 mV - PASS
buck6: target 900 mV, measured 915.875 mV - PASS
buck7: target 1000 mV, measured 1009.625 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
buck9: target 0 mV, measured 0.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'buckcheck 10',
'buck0: target 825 mV, measured 833.000 mV - PASS
buck1: target 0 mV, measured 0.625 mV - PASS
buck2: target 800 mV, measured 805.875 mV - PASS
buck3: target 1800 mV, measured 1828.250 mV - PASS
buck4: target 1100 mV, measured 1085.000 mV - PASS
buck5: target 900 mV, measured 904.000 mV - PASS
buck6: target 900 mV, measured 915.875 mV - PASS
buck7: target 1000 mV, measured 1009.625 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
buck9: target 0 mV, measured 0.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'i2c -s 0',
'Scanning I2C bus 0
  0x1A : ACK
  0x27 : ACK
  0x62 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'i2c -s 1',
'Scanning I2C bus 1
  0x62 : ACK
  0x75 : ACK
2 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'i2c -s 4',
'Scanning I2C bus 4
  0x29 : ACK
  0x58 : ACK
2 device(s) found on bus 4
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'nand --getinfo',
'NAND information
name: NAND0
vendor: Hynix
cell: TLC
xxxxx®
page size: 16384
block count: 8192
serial: xxxxx®
firmware: 0x0227
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1785 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0x269D128D 0xDCA47FED 0x9E48F258 0x0E97A56C 0x3AD64343 0xFB309B55
Key: BCMS Value: 0xD3FA835B 0xB12B7A70 0x71C3CA4D 0xCA75D5B7 0x01E39AC4 0xFF67642C
Key: FCMS Value: 0x20405275 0x99A76528 0x4F3FCAA9 0x50EFE48C 0x46F0E402 0x464E56CE
Key: NvSn Value: 0xCDF95880 0xEE4D5A50 0x1975A023 0xD9132BF3 0x3F4FB021 0x1E5CE8B4
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x322E1494 0x9A45624C 0xEB4F5523 0x4B9CF973 0x3DF8F2A6 0xEF540980
Key: MtSN Value: 0x189A2B25 0x326DCE84 0xD9637B00 0x7F267B59 0xA2760E7B 0xAEC251B4
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0xE6BFDF8D 0xEFE5D91A 0xE9B6D24C 0x5208C3C9 0xE4989AD8 0x770ACE14
Key: CLHS Value: 0x9B63900E 0xD6E217CF 0x11516AE8 0x1F128198 0xDB3B7B2E 0x9DE180B2
Key: CBAT Value: 0x566E3959 0x081AA460 0x19FD4882 0x0C5074E6 0xB8CA5D25 0x8B0F01CD
Key: DClr Value: 0x04C43B43 0x8CBF1D62 0xD41D669F 0x486FA3D4 0xD2BD783A 0xD8026FC5
Key: ClrC Value: 0xB9493FD3 0x3E821C10 0x62BA097B 0x99C4A417 0x9DD351C4 0x0EBF0022
Key: CLBG Value: 0xA4E2D599 0xBE3C5486 0x6F3F3C36 0x0D07696D 0x78016817 0x90A8A858
Key: DPSN Value: 0x5661F353 0xA136EB3F 0xDFC8CF8E 0xA6D1911E 0x0C3D4B55 0x664FBFCF
Key: FCMB Value: 0x7F8951F6 0x3D7BF17C 0x2DD0BC48 0xB5A31B69 0x450BCF70 0xA831EFFF
Key: PRSq Value: 0xF3AC1ABD 0x249A37C4 0xAEDC42A2 0x461FBDF6 0x9166CA33 0xF084408E
Key: BGMt Value: 0x35D8541E 0x365F1D4B 0x831403AD 0xB1D05904 0x2CFDD533 0x128B2145
Key: SwBh Value: 0x6AE6BE62 0xD11A8028 0x70FD524E 0xDDE6538B 0xDCF97593 0x5C571586
Key: BCAR Value: 0x591DA7E3 0x3A0106DE 0x6B138AD6 0x92824CB2 0x73812BC1 0x52452F42
Key: CPAD Value: 0x0AE6F7E5 0x271432F5 0x0C2D80CA 0x901D1BB2 0x7DC90072 0x6C547C1A
Key: CPBS Value: 0x1F647749 0x3F3DCC42 0x2C1B5949 0x82C26CF1 0x664A590D 0xD16A8EF2
Key: BLCl Value: 0xC8297F3B 0x97AD9E38 0x7E5A4BB8 0x6D42EB2B 0x552252F8 0xE88FF5B1
Key: WCAL Value: 0xC0EBA09F 0x93429197 0xE9058560 0x58E95EBC 0xE9446640 0x335965D3
Key: PxCl Value: 0x83006E8C 0xF7BA98C1 0x665D1388 0xF04B6370 0xF2DAE069 0x2A42B6FA
Key: STRB Value: 0xDF6BBB51 0x86B0AB9E 0x85E1E784 0xBBBB8239 0x71E246BB 0x2A977877
Key: AICl Value: 0x6B170512 0xB3C01805 0x057B5ECA 0xF8569B9C 0x79685CCC 0xBF111025
Key: ALSB Value: 0xD3D1D063 0x310FF4DA 0x81508145 0x4A3A3D59 0x1F51C207 0xCA283ED9
Key: CGSp Value: 0x2DA5FEDA 0x3EDDC223 0xEDD3E555 0x5604EA07 0x7ED16741 0x78D97314
Key: DBCl Value: 0x08B7DC68 0x627669FE 0xC799D04D 0x17241FAC 0xC9A5355C 0xD589324E
Key: DTCl Value: 0x76B61B57 0x78137B69 0x1CA8C4BF 0x34ADFCCB 0x3661FF12 0xEC69DA56
Key: FDAC Value: 0x997B6FDF 0x4B64495C 0xE1998CCB 0x504AAAA2 0xE18B9F7A 0x896E3807
Key: GICl Value: 0x4A008850 0xB9D3CFF3 0xB0095340 0x0A3D25D3 0x8C1516AE 0xA27D1C00
Key: GLCl Value: 0x61112372 0x7A6054E7 0x1846A23A 0x0D200F50 0x85986205 0x8A892302
Key: GPCl Value: 0x4E580FBB 0xA443F54C 0x4C1423D7 0x5314B5EF 0xEAEF4158 0xE2FC275E
Key: GYCl Value: 0x2A7BBDDE 0x904F5E9C 0x114FA09E 0xDA496749 0x5769EE86 0x9B421FE0
Key: HmCA Value: 0xFC9AFE60 0x47BA2E11 0xC479186C 0x24793A72 0xCA44A714 0x4BAA1F38
Key: LSCI Value: 0xFC36AE8D 0xAA4A194D 0xA6F94AAD 0x9FC29DCA 0x647C1E06 0xB94F3219
Key: LTAO Value: 0xA9CA67DC 0xF781F128 0x36FBE36A 0x01EE1B46 0xCC8ACA73 0xB32AFD56
Key: MdlC Value: 0x99BCE224 0x09F13C9A 0x4F141E6A 0xD5B3FF01 0xA1EF256D 0xFF688DAA
Key: MiBB Value: 0x82DB7965 0x400106EF 0x4B60217E 0xDDA2382E 0x30C80E0A 0x27B0590D
Key: NFCl Value: 0x0B765520 0xDBED27B2 0xDA025A45 0x02AA0A20 0x29A7129F 0xF5BF73AF
Key: NoCl Value: 0x20CF93CB 0x252846A9 0x9400D648 0x76731423 0xB4DBD1F6 0xE1BD1953
Key: OPCl Value: 0x6FF02FDE 0xB30D1EA4 0x62577548 0x53AB8EF7 0xCC9DE717 0xDDEB6379
Key: PSCl Value: 0xDD51A355 0xB803237E 0x2405D0CC 0x2E66F6ED 0xECF0297B 0x94C319E7
Key: PSTR Value: 0x4FC981E3 0x9D37AAD6 0x0AB219A6 0x358573DF 0x2C8744C8 0xA1B06EC5
Key: RBmC Value: 0x7FBC06A2 0xCD64C043 0x50660603 0x74441535 0x94D6F883 0xE9C7F984
Key: RFEM Value: 0xBA63E667 0x38BE7A9C 0xEDC7A3B7 0x304CA6FD 0x4C91BD3F 0x18878A1F
Key: RxCL Value: 0x4F9B7670 0x10535FD3 0xF646192A 0xF4D4A265 0xD6D50C44 0xF061CB86
Key: SBVr Value: 0xB5E0F9C8 0xAABD0CDE 0xCF882E4E 0xD1CE6195 0x881E3A73 0x3CB81AA8
Key: SrCl Value: 0x70BAB689 0xA872F30D 0xF4FA1B31 0xB1F68351 0x80E7D95F 0xC11C2FE5
Key: SwCl Value: 0xCEF55AD3 0x0DD28695 0xA569DD83 0x28E13B40 0xEE74FB9A 0xDA58C2E6
Key: TCal Value: 0xEF81B0F6 0x5B5EE31E 0xD6EF3EA0 0x8DE9FCD2 0xAFB2E0F3 0xA9640111
Key: TEMP Value: 0xDE0428AB 0x78BD6B3E 0x25D82849 0xD7653D96 0xCAF5B116 0x8B9A274A
Key: TrCl Value: 0xE0C5F2BB 0x98C06BAD 0x76CA6C46 0x24B1534A 0x92E7E871 0x4CDECEAF
Key: UCal Value: 0x6F6BF0D8 0x7656BD17 0xAE9FF4A7 0x2AB06346 0xDF76FF63 0x4A32D102
Key: VBCA Value: 0x849D1183 0x99A96931 0x3EDDFF73 0x5EB7D65E 0x2370B205 0x3F0F497F
Key: WtCl Value: 0xFE93FF9D 0xE3B51ECF 0xC40BC7C1 0x54E604F2 0xE9EE2BC7 0xB7767856
Key: XtAl Value: 0xDB212267 0x0C98ECD5 0x6FAF0EBF 0x0C7D355E 0xE3A2FB3D 0x0F8BA86A
Key: ARot Value: 0xCD81C3F7 0x8702C284 0x8191A360 0xE8F27308 0xB3B292BA 0x446CA63A
Key: BCGr Value: 0x3B05C658 0x28BC802C 0x902E8417 0x2A492022 0x29236EB2 0x33A74349
Key: BTRx Value: 0x4290545A 0x30F7EC43 0x9FFD96D6 0x307EA112 0x26A62486 0x7D80D698
Key: BTTx Value: 0x239FBAED 0x6E408066 0xEA707F03 0xE4508CCA 0x776655C1 0x0F002379
Key: CFG# Value: 0xD4B19124 0x85213744 0xC7EBF1E1 0x605BBAAF 0x7DCEECBC 0xBEAA67C6
Key: CRot Value: 0xB38B22A1 0xA0616347 0xE2ED1035 0xBB772D70 0xDCE4D827 0x1A4927CF
Key: DDAC Value: 0xB2663DA8 0x349D7ABF 0x91085D67 0x086F833C 0x44EA8493 0xDC9CAB11
Key: FGSN Value: 0xF49BB7F3 0x8B2614A5 0x0BEC21B7 0x98E8DA01 0x01CBE990 0x21A5C99B
Key: FrCl Value: 0xE52BE443 0xDB859F02 0xCD36C39B 0x1943536F 0x75EBD1EB 0x8EE681AB
Key: FSCl Value: 0x10BEC86A 0x95F362B7 0x10937C89 0xE8244A9D 0x071C4C79 0xCB52AD0F
Key: HVBt Value: 0x2112557B 0xC4951D1B 0x889FB570 0xDA6646D8 0xB64B4FD9 0x85169D80
Key: IDCl Value: 0x9BF2B16E 0x5A4211B6 0x2D26D73E 0x05B528D3 0xB6EEC79C 0x0BE4E53A
Key: LTRC Value: 0xCA6F39D7 0xF5142AC3 0xCCF1A2F7 0x4E67CD88 0xCFAE719C 0xA618EF28
Key: MCaL Value: 0xF9A54B22 0xD957960D 0x166AC84B 0xF062F653 0x07BFFB4D 0x771AA4C7
Key: MdBs Value: 0xD50599B9 0x7A178942 0x42FE3652 0x821D6013 0xA9D59DDA 0x4F9B4D75
Key: MtCL Value: 0x20DF92C6 0xB80B8A16 0x13537C64 0x4B41178B 0x26679ABB 0x6271BD3D
Key: NBCl Value: 0x37DF31D3 0x980E23D5 0x85215C9B 0x35409697 0x0A791834 0x9338AEBF
Key: PHCl Value: 0x3DC8ACD4 0x104F40AA 0x4016EE48 0xA1D9A778 0x796E972A 0x35B40445
Key: PrCl Value: 0x448A9CF2 0x7590C523 0x8671954C 0xD08739CE 0x99B99EE4 0x55C36999
Key: PxOf Value: 0x350A85DC 0xE71A83BB 0x5C0B0F0E 0x1965DE1A 0x6BE7E19E 0xFD181BFF
Key: RPCl Value: 0x1A6A094C 0x5A1463AE 0x00C232D8 0x9D16AC49 0xF30434A1 0x97822479
Key: SaCl Value: 0xFEA89161 0x7B95BE62 0x54EEE2A6 0xB428A1DD 0x1833EFBE 0x644D5308
Key: SLCl Value: 0x74CF7CFF 0x8A2AF87A 0x22B1A02F 0xF171BF0D 0x16D2F59F 0x01B6529A
Key: TCMp Value: 0x0ED783A6 0x03F4FD2D 0x7FA0B4B5 0xCEDF6AC8 0x717D956E 0x205366B1
Key: TPCl Value: 0x13D49707 0xEB5E96E7 0x26B970D9 0x099CD225 0x9D5AB8AE 0x62BFE62B
Key: VPBR Value: 0x20F821CE 0x05CD26E1 0x422A8CB6 0xAABB898C 0x6403B813 0xEB39B913
Key: WRot Value: 0x192565FC 0x50E3AAE5 0xC6CC7EF5 0x9E77677B 0xCBE640B5 0xAF191D76
Key: XCal Value: 0x019FCF3C 0xBF9904D8 0x1775D475 0xEBCCE81F 0xAB88804B 0xBA3DCAF3
Key: YCal Value: 0xDEF89247 0x7327CD80 0xAE855FD1 0xE710FBD3 0x4E36D19D 0x45ED0B46
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9645M
  firmware: 7.9.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4355
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'wifi --properties',
'Wifi properties
  chip: BCM4355
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 67V04
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'gps --on',
'GPS power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'gps --off',
'GPS powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'gps --getinfo',
'GPS information
  chip: BCM47734
  id: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'tristar -p',
'Tristar properties
  device-id: 0x0D
  revision: 0x03
  usb-switch: enabled
  charger-detect: SDP (500 mA)
  accessory: none
  orientation: normal
  interrupt-mask: 0x0000001F
  status: idle
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Tristar numa placa boa sem cabo no conector.',
  'Answer of the Tristar on a good board with nothing plugged in.',
  'Respuesta del Tristar en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
'dx1  register 0x4A : 0x00 (idle)
dx2  register 0x4B : 0x00 (idle)
acc1 register 0x52 : 0x00 (no accessory)
acc2 register 0x53 : 0x00 (no accessory)
idx  register 0x60 : 0x04
vdx  register 0x61 : 0x1C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do Tristar numa placa boa sem cabo no conector.',
  'Answer of the Tristar on a good board with nothing plugged in.',
  'Respuesta del Tristar en una placa buena sin cable en el conector.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 2900mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "2900mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'display --getmode',
'Display mode: 1080x1920 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 7 Plus', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

