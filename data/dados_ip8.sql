-- Recorded answers (table Dados) of a good reference board: IP 8 and IP 8 Plus (A11 platform).
-- Each Dados text holds the output lines (LF) and the prompt; zz_finaliza.sql turns it into
-- the console form (CR LF, CR CR LF after the removed echo). Board-specific parts are masked
-- with the text of the auto comparator, the fragments they stand for are rows of table M.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 787.375 mV
BIST buck1: 0.625 mV
BIST buck2: 773.000 mV
BIST buck3: 1781.625 mV
BIST buck4: 1113.375 mV
BIST buck5: 875.375 mV
BIST buck6: 882.625 mV
BIST buck7: 988.375 mV
BIST buck8: 0.625 mV
BIST buck9: 1239.625 mV
BIST buck10: 603.625 mV
BIST buck11: 789.875 mV
BIST buck3_sw1: 1772.500 mV
BIST buck3_sw2: 1806.375 mV
BIST buck3_sw3: 1792.625 mV
BIST buck4_sw1: 1101.375 mV
BIST buck4_sw2: 1092.875 mV
ibuck0: 284.375 mA
ibuck1: 0.375 mA
ibuck2: 189.000 mA
ibuck3: 73.125 mA
ibuck4: 87.750 mA
ibuck5: 51.625 mA
ibuck6: 34.375 mA
ibuck7: 42.750 mA
ibuck8: 0.250 mA
ibuck9: 32.500 mA
ibuck10: 59.250 mA
ibuck11: 26.625 mA
BIST ldo0: 1792.500 mV
BIST ldo1: 2975.125 mV
BIST ldo2: 1801.250 mV
BIST ldo3: 3026.250 mV
BIST ldo4: 2517.125 mV
BIST ldo5: 1.250 mV
BIST ldo6: 0.000 mV
BIST ldo7: 2961.250 mV
BIST ldo8: 0.000 mV
BIST ldo9: 1771.000 mV
BIST ldo10: 1834.750 mV
BIST ldo11: 3011.000 mV
BIST ldo12: 883.875 mV
BIST ldo13: 1793.750 mV
BIST ldo14: 3250.250 mV
BIST ldo15: 0.000 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.625 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.125 mA
BIST ildo1: 10.125 mA
BIST ildo2: 14.625 mA
BIST ildo3: 6.125 mA
BIST ildo4: 25.375 mA
BIST ildo5: 0.125 mA
BIST ildo6: 0.125 mA
BIST ildo7: 11.750 mA
BIST ildo8: 0.250 mA
BIST ildo9: 12.750 mA
BIST ildo10: 5.250 mA
BIST ildo11: 7.375 mA
BIST ildo12: 19.750 mA
BIST ildo13: 5.375 mA
BIST ildo14: 8.125 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.000 mA
BIST ildo17: 0.125 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.500 mA
BIST vbuf_1v2: 1197.875 mV
BIST vrtc: 3034.625 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 4978.375 mV
tigris ibus : 433.625 mA
tigris vbat : 3917.875 mV
tigris ibat : -164.250 mA
tigris vdd : 3839.375 mV
tigris die_temp : 32.439 C
tigris vbus1 : 5003.500 mV
tigris vbus2 : 13.875 mV
tigris vldo : 4890.250 mV
tigris vntc : 911.250 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5756.375 mV
chestnut vldo2 : 5754.875 mV
chestnut vldo3 : 5072.625 mV
chestnut ildo1 : 8.625 mA
chestnut ildo2 : 7.375 mA
chestnut ildo3 : 3.000 mA
chestnut vneg : -5629.500 mV
chestnut ineg : -6.375 mA
chestnut vin : 3854.875 mV
chestnut ground : 1.250 mV
chestnut vboost : 6083.250 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'buck',
'buck0: 787.375 mV
buck1: 0.625 mV
buck2: 773.000 mV
buck3: 1781.625 mV
buck4: 1113.375 mV
buck5: 875.375 mV
buck6: 882.625 mV
buck7: 988.375 mV
buck8: 0.625 mV
buck9: 1239.625 mV
buck10: 603.625 mV
buck11: 789.875 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'buckcheck 5',
'buck0: target 800 mV, measured 787.375 mV - PASS
buck1: target 0 mV, measured 0.625 mV - PASS
buck2: target 775 mV, measured 773.000 mV - PASS
buck3: target 1800 mV, measured 1781.625 mV - PASS
buck4: target 1100 mV, measured 1113.375 mV - PASS
buck5: target 875 mV, measured 875.375 mV - PASS
buck6: target 880 mV, measured 882.625 mV - PASS
buck7: target 1000 mV, measured 988.375 mV - PASS
buck8: target 0 mV, measured 0.625 mV - PASS
buck9: target 1250 mV, measured 1239.625 mV - PASS
buck10: target 600 mV, measured 603.625 mV - PASS
buck11: target 800 mV, measured 789.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'buckcheck 10',
'buck0: target 800 mV, measured 787.375 mV - PASS
buck1: target 0 mV, measured 0.625 mV - PASS
buck2: target 775 mV, measured 773.000 mV - PASS
buck3: target 1800 mV, measured 1781.625 mV - PASS
buck4: target 1100 mV, measured 1113.375 mV - PASS
buck5: target 875 mV, measured 875.375 mV - PASS
buck6: target 880 mV, measured 882.625 mV - PASS
buck7: target 1000 mV, measured 988.375 mV - PASS
buck8: target 0 mV, measured 0.625 mV - PASS
buck9: target 1250 mV, measured 1239.625 mV - PASS
buck10: target 600 mV, measured 603.625 mV - PASS
buck11: target 800 mV, measured 789.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 0',
'Scanning I2C bus 0
  0x27 : ACK
  0x52 : ACK
  0x62 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x51 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 3',
'Scanning I2C bus 3
  0x51 : ACK
1 device(s) found on bus 3
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 4',
'Scanning I2C bus 4
  0x58 : ACK
1 device(s) found on bus 4
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 6',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'i2c -s 7',
'Scanning I2C bus 7
  0x1A : ACK
1 device(s) found on bus 7
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'nand --getinfo',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1863 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0xA5098EC7 0x07435F4C 0x2306FA5E 0x351031B7 0xFD314BCC 0x25A4F578
Key: BCMS Value: 0xAF764FE9 0x715504FF 0x7A675E3F 0x9E32FE5B 0xAF60DFF6 0x623EB690
Key: FCMS Value: 0x40E9AA4E 0x76677703 0xA3D8D8D0 0x89F40964 0xB8D20B4C 0x4F0CEE16
Key: NvSn Value: 0xB3432D9E 0x9E8F841E 0xBB3C803F 0x0D11E747 0x7E6047A9 0x8C2483D3
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0xE9809FBF 0xCA39E52C 0xF01B8BEF 0xB68BA21A 0x36FEEBDC 0x2EFA3DC5
Key: MtSN Value: 0xF42C75A2 0x15A907C3 0xBFDA09DF 0xDA6AE922 0x428FDDED 0xB8433979
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0x58F01BF3 0xEEEA8785 0x03E266F4 0xE2D8DAD2 0x07E050AA 0xBB3C82C1
Key: CLHS Value: 0xAD5F6ABD 0x65E1F2DB 0xBF209352 0x53DF4612 0xC12F33B1 0xD2C0249B
Key: CBAT Value: 0x6CD2A6A5 0xC69BAB62 0x549C1E35 0x2FA15311 0x0266BDFF 0xA32D492F
Key: DClr Value: 0x5F61AD3E 0xD0B9BBA0 0x3D7889B3 0x4EB493B3 0xD154FE1C 0x1263C83D
Key: ClrC Value: 0x1C9A2808 0xAFF8AB8A 0xF4FA1C93 0xEC39D0BC 0x043A61F5 0xBFECE7DA
Key: CLBG Value: 0xFE939197 0xD8778C5A 0x2DD3418E 0x9BD01191 0x1C930A27 0x973F0F7F
Key: DPSN Value: 0xB96C92D4 0x275E3E41 0x80BCD4D1 0x6E916519 0xF42C5B2C 0x2F09819F
Key: FCMB Value: 0xC207E301 0x296E0ACC 0xEA822ECA 0x1DCD92AC 0xC24670BB 0x082145EA
Key: PRSq Value: 0x16F27D2D 0xAB3D673A 0xBE09C33B 0xCEF983E3 0x7B7B01EC 0x83063B25
Key: BGMt Value: 0x6914E68D 0x7E84DFC9 0xB2ACDCF1 0x8F425F2F 0xCD42210C 0xE993625E
Key: SwBh Value: 0x58B946D7 0x37A5D1C5 0x030B7F4E 0x2D4E17FD 0x89BC8967 0xAC60C226
Key: BCAR Value: 0x8D8A0EC1 0xA8379ED5 0x042B9B0D 0xCF3D0213 0x2FB7A6A5 0x7B582C60
Key: CPAD Value: 0x7A801483 0x9DA7BE60 0x813C6B0D 0xF33329D5 0x137B7672 0x09303492
Key: CPBS Value: 0xD1844845 0xB46848DA 0x44209F91 0x59D94D3F 0xA7BBF3BA 0xFB70B517
Key: BLCl Value: 0xCF4AD291 0xDDA1DBF3 0x7CF12598 0x1C30618E 0x28CE8D4A 0x046926FF
Key: WCAL Value: 0x363CA38D 0x3344D784 0x4B0ECF81 0x4D70759C 0x0F6F3B74 0x3EBE67D6
Key: PxCl Value: 0xE2F6061B 0x14183AF7 0x01C7639B 0x804926D6 0xDEB6068C 0x07826A8F
Key: STRB Value: 0xEBC2700A 0x728D247E 0xD3C064FB 0xA417136A 0x85CAECFB 0xA70A46BB
Key: AICl Value: 0xE1F40BE1 0x82DB0018 0xE0644781 0x5768C4D7 0xBBFAE9EB 0xAF91A425
Key: ALSB Value: 0xC91056B2 0x3E3D6598 0xC71055E6 0x478F0778 0xEAA6F921 0xCE66B578
Key: CGSp Value: 0x345E6BDC 0xCC7277B8 0x3F8D90BF 0xA6552A7E 0xDBD6C341 0xAE6D43D2
Key: DBCl Value: 0xDAF1512B 0x35CFF168 0x8268B23E 0xC9C5A83F 0x19F63181 0xB6883B88
Key: DTCl Value: 0x924E5BA1 0x2910CDD0 0x28B191C5 0xCFB63DA4 0x06AEF37F 0x9D68CFDE
Key: FDAC Value: 0x985F4551 0xB894A2F2 0x953CC83D 0x9DD0267D 0xF61EB18F 0x8198B309
Key: GICl Value: 0x6B9AE955 0x7FB48B3E 0xE31FFF31 0xDFF4235F 0xDB93B1DF 0x000711B2
Key: GLCl Value: 0x9E1C3A1B 0x8CEA5E4F 0xBCA80FC4 0x1AD3E9AB 0x0ABDC785 0x17158F5E
Key: GPCl Value: 0x1C7827D3 0xD4E931FE 0xDE0BA480 0xFEB85313 0xAD1B227C 0xC11CBD0C
Key: GYCl Value: 0x6C9C3660 0xF806DB14 0xC1469450 0x1091514C 0x399EA15A 0x5CC4E981
Key: HmCA Value: 0xFD0EF37C 0x056A1993 0x6BC1D2D8 0xFC0CA781 0x6BEE91A4 0x1C1E7485
Key: LSCI Value: 0x1EFA9117 0x92ABA61D 0xC2B30B3C 0xDA5FC305 0xF6CD116D 0x41D22B10
Key: LTAO Value: 0x34087688 0x6C0284B9 0xC40AB978 0x3241FE6C 0x9AD67ED6 0x5E0974D1
Key: MdlC Value: 0x0C735B02 0x74A9E984 0xBB71FDA5 0xE7D59366 0xD80A0D7C 0xB7C94D73
Key: MiBB Value: 0x636010B1 0x4425C155 0xA5BD4305 0xF7C3EF0D 0xCE6B6139 0x2BF1140D
Key: NFCl Value: 0x48B14569 0x196EC80D 0xE9A42D63 0x68957489 0x96A7AB25 0xCA9DB948
Key: NoCl Value: 0x7D172E8A 0xBD9EFF3B 0x1036AFF3 0x2AAF325A 0x40ADE511 0x5FC25B4F
Key: OPCl Value: 0xB63EEAF5 0x1E71CAA9 0x0D7FC758 0x14EE96E0 0xD03AF7DF 0xBAE4A5EB
Key: PSCl Value: 0xAFB3C096 0xEF5C0859 0x3C68DA56 0xAFDC042C 0xCDB88B25 0x0478B32D
Key: PSTR Value: 0xABC829C0 0x1579FFE8 0xCB7CBFC8 0x738C3333 0xC23BD1C2 0xBFEE87C0
Key: RBmC Value: 0x000023F0 0x874296C0 0xF95C9D68 0x597EFD0E 0x1367EA1B 0x3F7D7124
Key: RFEM Value: 0x0BF58D0D 0xE88529BF 0x2D098C5B 0x0F77D699 0x96052E75 0xB458D85D
Key: RxCL Value: 0x2E79EE50 0x87F92E3E 0x55196728 0x027D688C 0xB0C04CF5 0x1EEC1D88
Key: SBVr Value: 0xEE172B12 0xC7E4C8A5 0x211E4C66 0x56D125A9 0x9F2989B5 0x7CB964D9
Key: SrCl Value: 0xDFC2916A 0x552469BE 0x029C726C 0xB8516719 0xF9BB6F00 0xDC90115B
Key: SwCl Value: 0x74024B79 0x63065ABD 0x3ABBE066 0xBF16F088 0xF0377DE8 0xF26DD59C
Key: TCal Value: 0x84CB98A5 0xF30B7B1E 0xD1FE342C 0x5C8A6FF8 0xF81220DD 0xEC93F841
Key: TEMP Value: 0xE378198D 0xC7ADA182 0x619E2571 0x1E6C1843 0x6DCEE3B4 0xE6B96866
Key: TrCl Value: 0x66CDC6FE 0xE3F60078 0x2C402A7C 0x8BA1F362 0x52327090 0xBC66137E
Key: UCal Value: 0xFBE2ED59 0xA921D83F 0x07A18C53 0x7D0B4D5F 0x8894531B 0x8A897FAE
Key: VBCA Value: 0x0215A950 0xBB680693 0x8148D382 0x59BC568A 0xEEAA987D 0xE83B9411
Key: WtCl Value: 0xCEDC3B84 0x60A31ACC 0x546D05E4 0x1E7105BC 0xEB86C8AC 0x97A68296
Key: XtAl Value: 0xD438E981 0x4FEF7F8C 0xEAA9A58C 0xBC7426F2 0x20FF7595 0x460B6C9A
Key: ARot Value: 0xBD7EBF46 0x8CC0BBDB 0x29B40306 0x3DFC221B 0xCCB9B71D 0x1006DCA4
Key: BCGr Value: 0x7E287D62 0x86997C72 0x577C66FD 0x938173BE 0xE09E422F 0x7E109B37
Key: BTRx Value: 0xDF016CA6 0xFCEEBF06 0x23C3B073 0x805F8FC0 0xF5B16010 0xE2923C58
Key: BTTx Value: 0x725F53B1 0xC72740E0 0xC41A484E 0xD2ACF2FE 0x2794C828 0x14EB46DE
Key: CFG# Value: 0xCA112865 0x393F479A 0xBDCF085A 0x194CD4EE 0x5BCCCCE0 0xB48DF612
Key: CRot Value: 0x13525563 0xE10FF274 0x237CB990 0xB6F65532 0x6C49D4CD 0x67E61262
Key: DDAC Value: 0x8C03BDA3 0x0A9731BA 0x53BE4A55 0x0917FE04 0xE1E204A2 0x40DBFAD6
Key: FGSN Value: 0x592A36EF 0x94B5F734 0x548AB4E7 0x520A5561 0xD1212775 0x27559929
Key: FrCl Value: 0xE631656C 0xE86E5A25 0xC52602AC 0xAE619239 0xE31245E3 0x948CEE56
Key: FSCl Value: 0x5F6BB69E 0x8B7EDDBB 0xB18243D6 0xAF8A72B9 0xE5336E2D 0x1D868F35
Key: HVBt Value: 0x2FAB316C 0xFF339D2E 0xCC30E911 0xC78A97AB 0xDB5294C8 0xEB0D0369
Key: IDCl Value: 0xED72D03F 0x711694B9 0x193988B2 0x67999AE9 0xAD8F498A 0x89E01538
Key: LTRC Value: 0x33963573 0xB234C4BD 0x87674B24 0x48D680B8 0x0B358BD7 0x90FFC3DE
Key: MCaL Value: 0x53EAD1EA 0xA766842F 0x66C70AB5 0xEF6B5DDA 0x2F1BD228 0xE60F8DB8
Key: MdBs Value: 0x0633A42F 0x93038852 0xB4671B25 0x2D0F44C4 0xB59D1F6B 0xA53ACA55
Key: MtCL Value: 0x1957EDEF 0x636EAA57 0xC5C85373 0xA850FB18 0x00FE74E7 0xC78BC9FC
Key: NBCl Value: 0x3934F81D 0xCD0005DF 0x1ABB2E82 0x9B1EADE8 0x4FC3FE77 0x6A2BED53
Key: PHCl Value: 0x79F36B72 0xC6C5C0E3 0x810E50BA 0x5424D128 0xD972022B 0x3FAFCC6E
Key: PrCl Value: 0x36616299 0xAB4A351C 0x49B52E8C 0x31F16384 0x50F26A41 0x00C9086F
Key: PxOf Value: 0x1897AEAA 0x1C664810 0xC6F73754 0xF08D1D11 0x2EDF97D3 0x838C937B
Key: RPCl Value: 0x025C79E7 0xD174EE8F 0xB5CFABD4 0x3BA2A177 0x7C76342C 0x0A056BB7
Key: SaCl Value: 0x3641C86F 0xF07F128E 0xB1DA44B3 0xEA7A1876 0xC02304DC 0x0EA6C434
Key: SLCl Value: 0x9442D4E4 0x990C9B3A 0x4ED9BF27 0xA84AA3C0 0xED64FBA3 0xB0097DBA
Key: TCMp Value: 0xACAE276E 0xC385D28A 0x3FF8D0C6 0xDFC83557 0x71E160A3 0x1E69701C
Key: TPCl Value: 0x094F775A 0x88694F20 0xACEE74B2 0xDD746E08 0x3FE221B3 0xFCB1CBC3
Key: VPBR Value: 0x4FB79C1B 0xBDF2EA79 0xC4B73BE2 0xE13AD0C9 0x8A6804A0 0xD5AD8C01
Key: WRot Value: 0x919F0BC1 0xCE98DA94 0xA9B4539A 0xFDA88D02 0x6379A459 0x20D98D15
Key: XCal Value: 0xEDF98E97 0x686DF86E 0xD225A100 0x51927BC2 0x6A50FFD1 0xD092261C
Key: YCal Value: 0x4D9BA329 0xC65E8810 0xEC633B23 0xF66307EA 0xD1AC943E 0x0F031707
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'baseband -p',
'Baseband properties
  vendor: Intel XMM7480
  firmware: 7.4.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4355
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'wifi --properties',
'Wifi properties
  chip: BCM4355
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 67V04
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'gps --on',
'GPS power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'gps --off',
'GPS powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'gps --getinfo',
'GPS information
  chip: BCM47734
  id: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'battery --properties',
'Battery properties
  manufacturer: Sunwoda
  serial: xxxxx®
  design-capacity: 1821mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "1821mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'display --getmode',
'Display mode: 750x1334 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 785.125 mV
BIST buck1: 0.000 mV
BIST buck2: 786.500 mV
BIST buck3: 1821.250 mV
BIST buck4: 1110.000 mV
BIST buck5: 886.875 mV
BIST buck6: 890.375 mV
BIST buck7: 994.500 mV
BIST buck8: 1.875 mV
BIST buck9: 1271.750 mV
BIST buck10: 602.000 mV
BIST buck11: 788.125 mV
BIST buck3_sw1: 1785.750 mV
BIST buck3_sw2: 1796.625 mV
BIST buck3_sw3: 1806.250 mV
BIST buck4_sw1: 1113.125 mV
BIST buck4_sw2: 1122.000 mV
ibuck0: 268.250 mA
ibuck1: 0.375 mA
ibuck2: 205.625 mA
ibuck3: 69.000 mA
ibuck4: 87.625 mA
ibuck5: 49.625 mA
ibuck6: 37.125 mA
ibuck7: 43.625 mA
ibuck8: 0.250 mA
ibuck9: 29.375 mA
ibuck10: 57.875 mA
ibuck11: 26.625 mA
BIST ldo0: 1794.875 mV
BIST ldo1: 3034.750 mV
BIST ldo2: 1770.500 mV
BIST ldo3: 2961.875 mV
BIST ldo4: 2467.500 mV
BIST ldo5: 1.250 mV
BIST ldo6: 0.625 mV
BIST ldo7: 2970.250 mV
BIST ldo8: 0.625 mV
BIST ldo9: 1766.875 mV
BIST ldo10: 1817.375 mV
BIST ldo11: 2991.625 mV
BIST ldo12: 902.625 mV
BIST ldo13: 1817.500 mV
BIST ldo14: 3308.375 mV
BIST ldo15: 0.000 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.625 mV
BIST ldo19: 0.625 mV
BIST ildo0: 1.875 mA
BIST ildo1: 10.875 mA
BIST ildo2: 15.000 mA
BIST ildo3: 6.000 mA
BIST ildo4: 24.125 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 11.750 mA
BIST ildo8: 0.250 mA
BIST ildo9: 12.375 mA
BIST ildo10: 5.375 mA
BIST ildo11: 6.875 mA
BIST ildo12: 19.625 mA
BIST ildo13: 5.625 mA
BIST ildo14: 9.500 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.000 mA
BIST ildo17: 0.125 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.500 mA
BIST vbuf_1v2: 1180.250 mV
BIST vrtc: 3048.000 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 4991.250 mV
tigris ibus : 402.000 mA
tigris vbat : 3939.125 mV
tigris ibat : -138.250 mA
tigris vdd : 3843.625 mV
tigris die_temp : 30.383 C
tigris vbus1 : 4979.000 mV
tigris vbus2 : 13.500 mV
tigris vldo : 4880.125 mV
tigris vntc : 919.750 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5642.750 mV
chestnut vldo2 : 5754.500 mV
chestnut vldo3 : 5118.625 mV
chestnut ildo1 : 7.875 mA
chestnut ildo2 : 8.625 mA
chestnut ildo3 : 3.000 mA
chestnut vneg : -5664.875 mV
chestnut ineg : -7.125 mA
chestnut vin : 3859.875 mV
chestnut ground : 1.250 mV
chestnut vboost : 5944.125 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'buck',
'buck0: 785.125 mV
buck1: 0.000 mV
buck2: 786.500 mV
buck3: 1821.250 mV
buck4: 1110.000 mV
buck5: 886.875 mV
buck6: 890.375 mV
buck7: 994.500 mV
buck8: 1.875 mV
buck9: 1271.750 mV
buck10: 602.000 mV
buck11: 788.125 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'buckcheck 5',
'buck0: target 800 mV, measured 785.125 mV - PASS
buck1: target 0 mV, measured 0.000 mV - PASS
buck2: target 775 mV, measured 786.500 mV - PASS
buck3: target 1800 mV, measured 1821.250 mV - PASS
buck4: target 1100 mV, measured 1110.000 mV - PASS
buck5: target 875 mV, measured 886.875 mV - PASS
buck6: target 880 mV, measured 890.375 mV - PASS
buck7: target 1000 mV, measured 994.500 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
buck9: target 1250 mV, measured 1271.750 mV - PASS
buck10: target 600 mV, measured 602.000 mV - PASS
buck11: target 800 mV, measured 788.125 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'buckcheck 10',
'buck0: target 800 mV, measured 785.125 mV - PASS
buck1: target 0 mV, measured 0.000 mV - PASS
buck2: target 775 mV, measured 786.500 mV - PASS
buck3: target 1800 mV, measured 1821.250 mV - PASS
buck4: target 1100 mV, measured 1110.000 mV - PASS
buck5: target 875 mV, measured 886.875 mV - PASS
buck6: target 880 mV, measured 890.375 mV - PASS
buck7: target 1000 mV, measured 994.500 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
buck9: target 1250 mV, measured 1271.750 mV - PASS
buck10: target 600 mV, measured 602.000 mV - PASS
buck11: target 800 mV, measured 788.125 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 0',
'Scanning I2C bus 0
  0x27 : ACK
  0x52 : ACK
  0x62 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x51 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 3',
'Scanning I2C bus 3
  0x51 : ACK
1 device(s) found on bus 3
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 4',
'Scanning I2C bus 4
  0x58 : ACK
1 device(s) found on bus 4
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 6',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'i2c -s 7',
'Scanning I2C bus 7
  0x1A : ACK
1 device(s) found on bus 7
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'nand --getinfo',
'NAND information
name: NAND0
vendor: Toshiba
cell: TLC
xxxxx®
page size: 16384
block count: 16384
serial: xxxxx®
firmware: 0x0227
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1897 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0xEF2091D0 0xC5D1EF10 0x54FBBE40 0xBA644AD1 0xCEC53B1D 0x6829619A
Key: BCMS Value: 0x59C4F678 0x647277C5 0x932A5D22 0x1AB18E8A 0xB05B0CC7 0x170312D3
Key: FCMS Value: 0xD0673124 0xD553892D 0x62DEB05C 0xDDD24A9E 0x92D0F9DB 0xEC15CCCC
Key: NvSn Value: 0x6BA460FC 0x54ADB9BC 0x1B1A3887 0x4F85B9CC 0x6EEA9FAD 0xFA018564
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x3610ACF8 0x4E954950 0xE15DE5A5 0x3340B6DA 0x41F40F5F 0xD811FA02
Key: MtSN Value: 0x02401667 0x0052F57C 0xF68EC722 0xAC36B52C 0x0088CABE 0xE500D23A
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0xEAE6507F 0xC41DCC69 0x9267F875 0x7B05D379 0x2E3B0A0F 0xBC5722DD
Key: CLHS Value: 0xC6FB2192 0xF5C2F3F8 0xF9EFF83C 0x75FE6968 0x993AA540 0x088C7C29
Key: CBAT Value: 0x870DBF79 0xFA9FF8E5 0xE4EC5B97 0x1902C372 0x7CA9B415 0x08575A1B
Key: DClr Value: 0xB91AD2F0 0x858EF139 0x000C15F2 0x1D1075CB 0x1E714FE2 0x04F1C4E6
Key: ClrC Value: 0x36FA234A 0xB9A6B0CD 0xB8AA3F18 0x864649BF 0x74F2B33D 0x6871030B
Key: CLBG Value: 0xAAE43868 0x01AD7E2B 0x84E3B323 0x3B0C95E3 0x5634F6A8 0x034FAF34
Key: DPSN Value: 0x19518701 0x6FA14E55 0x7664F5BC 0x24827938 0xFF0F1E4D 0x7DE483F3
Key: FCMB Value: 0x8BAF713C 0x1B323784 0x7D800D66 0xA3A27435 0x9515E7D5 0xC6D99173
Key: PRSq Value: 0xF0EAE130 0xD744430F 0x8A0FBF97 0x55609B2F 0x2C52D3E5 0xECD9C57F
Key: BGMt Value: 0x58051A4E 0xC1EF68A7 0xE4A55787 0x445D1C60 0xDA81A57B 0xA85BDADC
Key: SwBh Value: 0x4F9E8279 0x87ACE7E5 0x0F6312CA 0x9A71B09F 0x19CAF954 0xB69BA813
Key: BCAR Value: 0x40C48312 0x8162DCB2 0x449FE697 0x471DC3B3 0x060A3554 0x3322648F
Key: CPAD Value: 0xC864E997 0xC40E6D27 0xB3EB7E2E 0xC3617C2F 0x8F31649B 0x0C074AA1
Key: CPBS Value: 0xE4977303 0x8151B645 0x4DB3DDCB 0xD9A25D36 0x178B78AD 0xCE4A5989
Key: BLCl Value: 0x0B0C6ACE 0xE281378E 0x7E19F2E6 0x4DF65CBC 0x7479684C 0x24072BEE
Key: WCAL Value: 0x7823B665 0x9EB98A38 0x9FEA50D7 0x55592241 0xB08825A2 0x7E359B64
Key: PxCl Value: 0x97839970 0xDA61D100 0x756CC116 0x66F3C1E9 0x9C7E0B97 0x69732D1D
Key: STRB Value: 0x70007D95 0x64466D11 0x74FA70F2 0x806922A7 0x75238C52 0x2BC762ED
Key: AICl Value: 0x07ACBFCD 0x466C8E67 0x5177C8A6 0x010B0549 0x6FF46AC8 0xC3E7AD4E
Key: ALSB Value: 0x088A087D 0xE63C4918 0x7CC7BCEA 0x32B28AA7 0x626CBE79 0xD539BC6E
Key: CGSp Value: 0xD883D408 0xC378E143 0x31A84FFE 0x8916FD73 0x114AEC5F 0xE870E901
Key: DBCl Value: 0xC23D43B7 0xB1DB758C 0x8CA37985 0x52FF1FC6 0x12106A70 0xA3A6E2F2
Key: DTCl Value: 0x8ACE2CAE 0x286AFE00 0xB5C1C1E6 0x4053BD2B 0x3569E15A 0xCA14F0F8
Key: FDAC Value: 0xC8D38EAE 0xCED20889 0xCF6EF891 0x6FA88325 0x459089DA 0x326BBB1A
Key: GICl Value: 0xE7B39498 0xAD954BB5 0xC0EA1038 0xD9F8AF5E 0x5B58F9BF 0xD36D4103
Key: GLCl Value: 0x05B44361 0xFDB10EF4 0x948F3261 0x8B407DD5 0xCE339C1C 0xAEFFCA80
Key: GPCl Value: 0xCFD93B07 0x9DA6DA57 0x7C2B88A2 0x39F58E9B 0x886A288D 0x78CFD337
Key: GYCl Value: 0x14C11C27 0x705DC627 0x62A70D83 0x6A0090BC 0x668B9D78 0x2C9EE557
Key: HmCA Value: 0x596AED85 0x23638D6C 0x06C4919C 0xECB81003 0x0A17A76E 0x84767DF7
Key: LSCI Value: 0x31D292A4 0x92EF53E8 0xD100B233 0xC3882E09 0x1CADCDF2 0xBA0ABC03
Key: LTAO Value: 0x54DA1FF6 0x5442E601 0xCF371632 0x30272DC5 0x38E21503 0xC9B42B40
Key: MdlC Value: 0x1717663F 0x542138DF 0xC2FE9638 0x3B6BDA48 0xE63F6A3B 0x31A54CD3
Key: MiBB Value: 0x2509F942 0x3EBBAFA9 0x8BB03D68 0xEECE8CE3 0x51F884B8 0x06143012
Key: NFCl Value: 0x7522F10F 0x2AC5B37D 0x2D3C795D 0xFCAF50DE 0xE72145D8 0x48289608
Key: NoCl Value: 0xF28D00F4 0xBB746FDF 0xB976A4F1 0x03D299A7 0x2862C0B9 0x4440FB95
Key: OPCl Value: 0xF16B0A7B 0x62AE22B2 0x71FB6318 0x224C3A65 0x4491C1AA 0x1E7A42ED
Key: PSCl Value: 0x28C85CDA 0x7073C24F 0xA6317223 0xDA64F29B 0x905560AA 0x189D2334
Key: PSTR Value: 0xF12A67B7 0x136BCFF9 0x6B126179 0xE834840E 0x6498966A 0xFE0CCDAF
Key: RBmC Value: 0x155C148E 0x282DBB81 0xF6F31584 0xDD734DF8 0x239BF93D 0xE1418A1F
Key: RFEM Value: 0x8CD36CAB 0x4B66F5F4 0xAB3DF4CC 0x0CC4A7BA 0x36E4B4A9 0x685CC067
Key: RxCL Value: 0x8EDC532F 0xBB35BE2B 0x132E6C6A 0x3DE0322E 0x85214043 0x953D34C0
Key: SBVr Value: 0xC59DE1FF 0x02288285 0x3E224558 0x38338777 0x9F630495 0x989F9DE9
Key: SrCl Value: 0xFB7D0602 0x41056C0B 0x1A38BFEF 0xC7B8C979 0xFF301F6E 0xDDF08A57
Key: SwCl Value: 0xABBAA0A8 0x20A03F9C 0x3BCBED66 0xF05F7781 0x76865C6D 0xED4694DA
Key: TCal Value: 0xCB068C1E 0xE93C223B 0xCE580BB8 0x0A215281 0xA595B889 0x1325DBAA
Key: TEMP Value: 0xAB3350E4 0xD486D6FD 0x327A0B45 0x84886A42 0x167CA4C5 0x5F8E91CF
Key: TrCl Value: 0x1D3EF4FF 0x0A5CE6E4 0x10098119 0x89C0D20B 0x999941BB 0x9500EFF9
Key: UCal Value: 0x3B01EDD8 0x58246EA5 0x5E77E4B1 0xD25F4045 0xC40925A4 0x75A7352C
Key: VBCA Value: 0x442C4B66 0xB72AF84E 0x596BE028 0xC27B9848 0xC0C90266 0x07C15F4F
Key: WtCl Value: 0x3ED7B84E 0x1C63BDD3 0x028B7DA5 0x30725921 0x1D24362A 0x3C047A8D
Key: XtAl Value: 0x1573BD20 0xDFF019BD 0xB935D4F8 0xE53771A2 0x69B2F73D 0x2BD2AF12
Key: ARot Value: 0x03748CF4 0x34F18D91 0x152671A7 0xA6630C05 0x4BF0F85A 0x58987D56
Key: BCGr Value: 0xFA5CEA74 0xDDB44363 0x3B29BB1B 0xFAFAA0AD 0x644AB0D4 0xA7A70019
Key: BTRx Value: 0x6C4392F9 0x67208BCC 0x5945B7D4 0xA7229C63 0xD7F37759 0xF751D706
Key: BTTx Value: 0x0E9AD6FF 0xFF44F8C9 0x2A3D3F6F 0x4E7DBC39 0x17CB182D 0x5A439265
Key: CFG# Value: 0x1016A311 0x8240513E 0x9C82DED1 0x6978A8BA 0x566F9FD5 0xE7497E56
Key: CRot Value: 0x2F67ADB8 0x8A08316C 0x567F0DA8 0xAA2BAEC1 0xA79152BF 0x8DFC84F5
Key: DDAC Value: 0x12BC5C00 0x0E699B77 0xB652CB00 0x74E62AF1 0xD3E6994C 0xE625B562
Key: FGSN Value: 0xFA5CCE52 0xF449D1A2 0x32D98B1B 0x54DD25A0 0x0EEDE0F7 0x633280C9
Key: FrCl Value: 0x4B1EFA98 0x97766D89 0x4EDE2627 0xC794827F 0xD21C7868 0xDC00A80D
Key: FSCl Value: 0xA753D7ED 0x5438CC32 0x80FB2A55 0x5E32F933 0x85DC1ADB 0xEFA6911D
Key: HVBt Value: 0x94A03931 0x60A98B93 0x8BE68260 0xE40233EF 0xB62B72A5 0xAE21E809
Key: IDCl Value: 0x9D7BD591 0x6FB908D8 0x7D50ED84 0x6294CBF5 0xD67EDCA7 0x0A5D718E
Key: LTRC Value: 0xABD1CB5E 0xABFF726C 0x449EEDD0 0xCEB11AE7 0xB7123DEA 0x67400CAC
Key: MCaL Value: 0x5E4AD14D 0xE08B0D9A 0xA6253887 0x82EF20D7 0x192BD38C 0x386E8DB2
Key: MdBs Value: 0xAEC20CC0 0xE6D806A1 0xA1A9A79B 0x3C6A79A2 0xC3005174 0x21B64ED5
Key: MtCL Value: 0xE89C8FD4 0x051B0188 0xB850E863 0x35CAA0A2 0xB01EC449 0xA3016F77
Key: NBCl Value: 0xDFF3E073 0xCAFAA4DF 0xF14A4041 0xC078F2FD 0xE655ACD2 0xFBC9A05B
Key: PHCl Value: 0xFF829876 0x68CC38EB 0x2EDFFC67 0x37BFD2CB 0xC490D9E7 0xC1DC3F0C
Key: PrCl Value: 0x25D3F173 0xCA5C42BA 0x2237BBBB 0xF908321C 0x6CB447DD 0x7534DA97
Key: PxOf Value: 0x7DA7D0F7 0x01B4B754 0x9E0816F3 0x4A7544A1 0xE9EAE267 0x2E220453
Key: RPCl Value: 0x9217D4B1 0xAB84D089 0x9A99664C 0xCF4B0791 0x988AE38D 0x49255F86
Key: SaCl Value: 0xD906CDE1 0xC20A51B5 0x939C673C 0x04C75DC6 0x23B45D4E 0x232385F6
Key: SLCl Value: 0xDE402805 0xD7EE9143 0x4CD14D93 0x31C872C9 0x207EA9BD 0x48EB72BA
Key: TCMp Value: 0x55783DF7 0xA2263A44 0x1B68D9CA 0xB3E268AD 0xAD836FA6 0xF9B59498
Key: TPCl Value: 0xAF24927D 0xA910E8F8 0xE28B0335 0x003C456A 0xB86D4138 0x4B04C64C
Key: VPBR Value: 0x98CA68CB 0x22B22DD3 0x81EE6FCB 0x1AEBEB4E 0x8B754468 0xE9C494EB
Key: WRot Value: 0xFD427631 0x4064D03A 0x773052CC 0x44D44F11 0x66B6B31A 0xCE72B17C
Key: XCal Value: 0xB8350F98 0x6504550C 0x8BBF291C 0x78620E1A 0xB4E2745E 0x247B9432
Key: YCal Value: 0x14F83E6E 0x57CCA8A6 0x4EFA9759 0x966705A2 0x7083FA02 0xD9192A4F
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9655
  firmware: 7.9.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4355
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'wifi --properties',
'Wifi properties
  chip: BCM4355
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 67V04
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'gps --on',
'GPS power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'gps --off',
'GPS powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'gps --getinfo',
'GPS information
  chip: BCM47734
  id: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'battery --properties',
'Battery properties
  manufacturer: Sunwoda
  serial: xxxxx®
  design-capacity: 2691mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "2691mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'display --getmode',
'Display mode: 1080x1920 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 8 Plus', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

