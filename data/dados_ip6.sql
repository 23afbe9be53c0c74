-- Recorded answers (table Dados) of a good reference board: IP 6 and IP 6 Plus (A8 platform).
-- Each Dados text holds the output lines (LF) and the prompt; zz_finaliza.sql turns it into
-- the console form (CR LF, CR CR LF after the removed echo). Board-specific parts are masked
-- with the text of the auto comparator, the fragments they stand for are rows of table M.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'Help',
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
  "i2c"           scan an I2C bus (-s <bus>)
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 949.500 mV
BIST buck1: 1.250 mV
BIST buck2: 882.375 mV
BIST buck3: 1805.500 mV
BIST buck4: 1208.125 mV
BIST buck5: 955.500 mV
BIST buck6: 0.000 mV
BIST buck7: 1016.000 mV
BIST buck3_sw1: 1822.875 mV
BIST buck3_sw2: 1817.000 mV
BIST buck4_sw1: 1177.000 mV
ibuck0: 333.125 mA
ibuck1: 0.375 mA
ibuck2: 212.750 mA
ibuck3: 91.375 mA
ibuck4: 103.375 mA
ibuck5: 58.125 mA
ibuck6: 0.250 mA
ibuck7: 45.375 mA
BIST ldo0: 1815.250 mV
BIST ldo1: 2953.375 mV
BIST ldo2: 1808.375 mV
BIST ldo3: 3051.125 mV
BIST ldo4: 3017.125 mV
BIST ldo5: 0.625 mV
BIST ldo6: 1.250 mV
BIST ldo7: 3008.750 mV
BIST ldo8: 0.625 mV
BIST ldo9: 0.625 mV
BIST ldo10: 1811.250 mV
BIST ldo11: 3041.000 mV
BIST ldo12: 894.500 mV
BIST ldo13: 1797.875 mV
BIST ldo14: 0.625 mV
BIST ldo15: 0.000 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.000 mV
BIST ildo0: 2.375 mA
BIST ildo1: 11.625 mA
BIST ildo2: 18.375 mA
BIST ildo3: 8.625 mA
BIST ildo4: 35.000 mA
BIST ildo5: 0.125 mA
BIST ildo6: 0.125 mA
BIST ildo7: 3.625 mA
BIST ildo8: 0.250 mA
BIST ildo9: 0.125 mA
BIST ildo10: 6.625 mA
BIST ildo11: 7.750 mA
BIST ildo12: 24.625 mA
BIST ildo13: 6.875 mA
BIST ildo14: 0.125 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.125 mA
BIST ildo17: 0.000 mA
BIST ildo18: 0.000 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.625 mA
BIST vbuf_1v2: 1183.125 mV
BIST vrtc: 2984.125 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 5029.500 mV
tigris ibus : 428.250 mA
tigris vbat : 3891.000 mV
tigris ibat : -157.625 mA
tigris vdd : 3812.875 mV
tigris die_temp : 32.364 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5681.875 mV
chestnut vldo2 : 5763.500 mV
chestnut vldo3 : 5042.875 mV
chestnut ildo1 : 7.875 mA
chestnut ildo2 : 7.875 mA
chestnut ildo3 : 3.375 mA
chestnut vneg : -5694.625 mV
chestnut ineg : -6.875 mA
chestnut vin : 3927.625 mV
chestnut ground : 1.250 mV
chestnut vboost : 5995.750 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'buck',
'buck0: 949.500 mV
buck1: 1.250 mV
buck2: 882.375 mV
buck3: 1805.500 mV
buck4: 1208.125 mV
buck5: 955.500 mV
buck6: 0.000 mV
buck7: 1016.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'buckcheck 5',
'buck0: target 950 mV, measured 949.500 mV - PASS
buck1: target 900 mV, measured 1.250 mV - FAIL
buck2: target 900 mV, measured 882.375 mV - PASS
buck3: target 1800 mV, measured 1805.500 mV - PASS
buck4: target 1200 mV, measured 1208.125 mV - PASS
buck5: target 950 mV, measured 955.500 mV - PASS
buck6: target 0 mV, measured 0.000 mV - PASS
buck7: target 1000 mV, measured 1016.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'buckcheck 10',
'buck0: target 950 mV, measured 949.500 mV - PASS
buck1: target 900 mV, measured 1.250 mV - FAIL
buck2: target 900 mV, measured 882.375 mV - PASS
buck3: target 1800 mV, measured 1805.500 mV - PASS
buck4: target 1200 mV, measured 1208.125 mV - PASS
buck5: target 950 mV, measured 955.500 mV - PASS
buck6: target 0 mV, measured 0.000 mV - PASS
buck7: target 1000 mV, measured 1016.000 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'i2c -s 0',
'Scanning I2C bus 0
  0x1A : ACK
  0x27 : ACK
  0x63 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'i2c -s 1',
'Scanning I2C bus 1
  0x5A : ACK
  0x75 : ACK
2 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1586 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0x1B4E6123 0xA30CD5C6 0x6EB5BF13 0xB6A1F898 0xB656BDEF 0x0CADFA3A
Key: BCMS Value: 0x1DD7B4C0 0xA23857FB 0x5F452E0E 0xDEDF2DDF 0xAADA8FF7 0xCB398A6F
Key: FCMS Value: 0xD735410A 0x568E60ED 0x30E0CF4A 0xF58F99EB 0x0F70C0FD 0xE8D3C189
Key: NvSn Value: 0x3157B2EC 0xB80684EA 0x348BBD52 0xD2A0C85D 0x545EF840 0xC7736AD8
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x15845C04 0x4BD5FA1F 0x3ECB93D9 0xE62A2921 0xE8564487 0x4B07EAD3
Key: MtSN Value: 0xB9DF0D73 0x5079D05D 0xA8612554 0x203E6E57 0x964F76F2 0x1CEE61C0
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0xF6771F6E 0x1737AAD8 0x471CAEE2 0xD9650A94 0x96AD49FC 0x4FEE1D43
Key: CLHS Value: 0xB6D34BEA 0x6764DA87 0x2690D84C 0x5B5EBA1F 0x9DA89ACF 0xBB9F75F0
Key: CBAT Value: 0xDED1EE61 0xCCC599E3 0xD58CA5EB 0x45AD1A80 0x2707AF3D 0x05C8CC50
Key: DClr Value: 0x693F7293 0xDDFF3CFB 0xFB8BDCA3 0x5FC7DD07 0x40A6A3A4 0x0734C0F7
Key: ClrC Value: 0xCF86DF34 0x449F78D8 0xA01582FC 0xF2D4C1AF 0xC877CD72 0x4A0E732D
Key: CLBG Value: 0xA16A0716 0xEB96EAA9 0x7E06EF16 0xA2C4E4C6 0x9D951EF3 0xF39FBB94
Key: DPSN Value: 0xC9D08288 0xE229E424 0xF9DE6876 0x6631FEC6 0x397B7950 0xED86B59A
Key: FCMB Value: 0xE77A2641 0xE3AC6372 0x92C5E4D6 0x03ADA6CE 0xE0768DE5 0x1AA87D63
Key: PRSq Value: 0x81B85CCF 0xB3518088 0xCA5B4FF8 0x76AA9A2B 0xF742E431 0xFA9C7118
Key: BGMt Value: 0x2EC91620 0xDBC07927 0xD4D5A6CE 0x4D7CF19F 0xB1A627E6 0x15E461E0
Key: SwBh Value: 0x3B5CB2ED 0xE537360C 0xE40CF22C 0x85BD0487 0xAF7D7997 0xE266FA0C
Key: BCAR Value: 0xF0CD7EF8 0x815D91AE 0x7D21A533 0x196F9A61 0x92D445C4 0xE1A5B122
Key: CPAD Value: 0x18604793 0xD25EF6FA 0x648C1423 0x68DB7955 0xD7041A72 0xBE5EEBBB
Key: CPBS Value: 0x148B50CC 0x0541BC54 0x57F4EBBC 0xD077EECF 0x5BF8A24D 0xCE349790
Key: BLCl Value: 0x36FE5DA4 0xD4DC0858 0x55F8F8D2 0x74D3C32E 0x294CFCC8 0x98DDF287
Key: WCAL Value: 0x7A3CEA9D 0x612669B6 0x07E7DDF2 0x290E79DA 0xDF806A10 0x965B3CE5
Key: PxCl Value: 0x4F110443 0x7347F1B4 0x780FC2E9 0xEDCA8BC4 0x2A5AF53D 0x28D87EF8
Key: STRB Value: 0x6C2DF1F8 0x1743F802 0x140BD531 0x164BFB88 0x2053645A 0x24A1DF5D
Key: AICl Value: 0xFFAE65EF 0x5232FA8B 0xC06E1FA1 0x9432514D 0xDAEE1719 0xB7C83682
Key: ALSB Value: 0xB8027D1F 0x3F337F1A 0x3C6A8132 0x18944AE9 0x381B0CB1 0x1DE51C62
Key: CGSp Value: 0x983B8C41 0x5022D310 0x3918810F 0x914A2B07 0x5D275553 0x1E429152
Key: DBCl Value: 0xC0DC6C64 0x74072747 0x4A15691C 0x22C62AD2 0x04D72A03 0xD122E424
Key: DTCl Value: 0x853DEF5D 0x6B755B52 0xBE2A7B43 0xCDA07EA3 0x875BED7A 0x191D239C
Key: FDAC Value: 0xE62580F6 0xF46DD1FC 0xA94F65C7 0x1AD92906 0x5CBE005F 0x0D76AF4F
Key: GICl Value: 0xF081F69E 0x5AD23607 0xDB7C55C4 0x716BD157 0x155F6739 0xFC620FD6
Key: GLCl Value: 0x9297CB01 0x0DEC3378 0x703FE7F0 0x52874F34 0x1ADDA42A 0xEFEEAE40
Key: GPCl Value: 0xAC1AB5C3 0x4ECE81A6 0x2A1BC3E0 0x907A7B54 0x55AED6DF 0xBA9E6A11
Key: GYCl Value: 0xEBF4AA03 0x890C37F5 0xCA8F82D8 0x8F7CBAA8 0x9683D80B 0x5A6EBF59
Key: HmCA Value: 0x6F16E1E8 0x7651DA32 0x307E18FF 0x14AEE318 0xBB6EA3F1 0x265C66B7
Key: LSCI Value: 0xD56AF3BA 0xD516C911 0x4B8857FE 0x35CF1FC3 0xCD2F3172 0x60A7595C
Key: LTAO Value: 0x1E0043CD 0x59A0A29E 0xD863D677 0x6B367815 0xB1219399 0x1BECD637
Key: MdlC Value: 0xFBF93670 0xEF01C332 0xC330E978 0xD50215FA 0x5E1A15C4 0xC438E715
Key: MiBB Value: 0xC54FB329 0x857AE78C 0x25DB849E 0x3777F4FB 0x1A6C93F3 0x7DB1D121
Key: NFCl Value: 0x95B8623D 0x20B983A4 0xAC410E37 0x0DFEBB43 0xD4226BAF 0xBCB50B3E
Key: NoCl Value: 0xE2B4CC6C 0xE26C99B4 0xC46F8521 0xFCF648EC 0x7A87A8E9 0xF085F6AB
Key: OPCl Value: 0x125270D1 0x915EF2C6 0x9C8E13F5 0xD267843B 0x4F6BC7D5 0xB3CD546C
Key: PSCl Value: 0x0952F3CA 0x18FF444A 0x4FFB4057 0xC8D62AA5 0x2427BC4D 0xF0C19E34
Key: PSTR Value: 0xE6A3C469 0x2D13DB9F 0xF2638104 0x56278102 0x9AC34B9B 0x8326CA7A
Key: RBmC Value: 0x35A487BA 0xFFCDCB58 0x9E86E4FE 0x61EDA4FC 0x877F65CC 0x1F01AC95
Key: RFEM Value: 0x25E3F4DB 0x1109CF3F 0x2C10ADE5 0x99E4FF18 0x22515868 0x18409AD6
Key: RxCL Value: 0x25ADC401 0x43A96920 0x47A7B206 0x55D679F2 0x39CE92DD 0xEDB75BE5
Key: SBVr Value: 0x9F3F4F26 0x90BCE953 0xD73056B8 0xAC15C756 0x3EA16D34 0x26230BDB
Key: SrCl Value: 0x75B243D8 0x784CF550 0x384827A1 0xC02E50CB 0xF52F0C4C 0x20BB0875
Key: SwCl Value: 0xBA8048AE 0xF6E5D6CF 0xE191B06A 0x73BE7BD8 0x56F04763 0x9823394E
Key: TCal Value: 0x9ACFA25B 0xD556F9C1 0xE05C8C75 0xF4D04C1F 0xBAAADB5F 0xB85AC780
Key: TEMP Value: 0xE1CD3130 0x4FF61FB0 0x1C47500E 0x0E1769E5 0x8521A59A 0x0C468070
Key: TrCl Value: 0xCD0D79CB 0xD326CCE5 0x8E0BF37C 0xCF51EF5E 0xA78C8FEF 0xDD78392D
Key: UCal Value: 0x6E9F9F65 0x347128EB 0xCAC434E7 0x5A0472B3 0x79C08142 0x8ABC879A
Key: VBCA Value: 0xFF965566 0x3A2E72C7 0xCA1929BC 0xCC883315 0x6AE2D204 0xF5A256E1
Key: WtCl Value: 0x4614985A 0x62BC1359 0xE387E24B 0xDC724E64 0xD6EC87F5 0xFA08A7AD
Key: XtAl Value: 0x52A44E22 0x69B377EF 0x9F1DF842 0xC89F7891 0x85759950 0x157FAFAA
Key: ARot Value: 0xE89743C2 0x33407A1F 0x575F6A4B 0xC8BF27B2 0x207F2C42 0xFAA68AB0
Key: BCGr Value: 0x6CFC1D85 0x1013C8E7 0xA5AC961D 0x65BD6DDB 0xD8E60CEB 0x296166F0
Key: BTRx Value: 0x0DD85C90 0x6417A10E 0xAB3FA60B 0x9C56DA34 0x360A8203 0xBCF55693
Key: BTTx Value: 0x41EB7B1D 0x6A375FD9 0xCD9D731B 0xDFF0AF54 0x852F9325 0x53E9187D
Key: CFG# Value: 0x23DE3DEF 0x20FA4E05 0xEA2B5575 0x26EF0AD1 0xC9B01B9A 0x6AE386D9
Key: CRot Value: 0xE18A4DB9 0xDE022609 0x57F8A25B 0x9B70ACDA 0xDC8E73DD 0xF0236FE7
Key: DDAC Value: 0x1B253E32 0x7F960085 0xD4DE676C 0xB1407D4E 0xBDE18538 0x6B4E03F3
Key: FGSN Value: 0x4A56F70E 0xC6612A82 0xB1D66C4F 0x6CF3BB82 0xF2B96E53 0xA9F796B3
Key: FrCl Value: 0xA4331B6F 0x420CFD22 0xA74BDB51 0x04F2583B 0xE478CC8B 0x957A9F82
Key: FSCl Value: 0x71879A21 0xBA5F01AC 0x0374BA2C 0x453A28EB 0x53024871 0x9D24890C
Key: HVBt Value: 0x9520DE72 0x96BF2EDF 0xE0FDCC5B 0xADEAF604 0x8566FEFC 0xA46FC4C7
Key: IDCl Value: 0x96E2728C 0xCC58000E 0xECD51D27 0x45922C33 0x33C5F173 0x6ADC43DA
Key: LTRC Value: 0x84782637 0x95CC4D3A 0xAAAE097E 0xB75D5816 0x65E4F984 0xE8A6A25D
Key: MCaL Value: 0xA2B0B1A5 0x3FBCA973 0x1A027A5E 0xB26C9E11 0x235D58B4 0xAF179C7B
Key: MdBs Value: 0x039ACBCF 0xD25EC78C 0x2925A96D 0x5E6B8E0D 0x4E9BD0E6 0xD618B969
Key: MtCL Value: 0xD2E37C9D 0xB961357F 0xEC12301B 0xEDBB23DF 0x9012A8CC 0x090866E1
Key: NBCl Value: 0x9DC5C0B2 0xDDF0BA00 0x45E894B3 0xCF735CA8 0x814E7942 0xA9B10317
Key: PHCl Value: 0x501D8F1D 0xCC183A1A 0xF951DEA2 0x570271F9 0x206ACB54 0xF48EB136
Key: PrCl Value: 0x03EB6527 0x9B5A4AF7 0xC5493797 0x1B919719 0x8693B90D 0xAD992511
Key: PxOf Value: 0x3F9F27BF 0x01C26A8B 0x4EFEB245 0xD5E8E496 0xAC64AB90 0x84E82176
Key: RPCl Value: 0x21DF83CB 0x7DEB199E 0x5D763895 0x729C9B1A 0x52F92C5A 0x12D160E9
Key: SaCl Value: 0xECF6E8D9 0xB6F3CF31 0x7A14929C 0x1014602D 0x7165ABF5 0x0A03C6FF
Key: SLCl Value: 0xD1D8AC1A 0x6B059E50 0x37C1DE94 0x78C10674 0x15C956CC 0x2736D232
Key: TCMp Value: 0xF0EBE52A 0x98E4B89E 0x94AEAA05 0x745789CE 0x07F2EB20 0xB48CB092
Key: TPCl Value: 0x80FA4594 0xBD76B44D 0x7F08CD0C 0x6BE4E038 0x0BCC94A2 0xEB763EF8
Key: VPBR Value: 0xA2512C66 0x1A217FEA 0xDF0A205D 0x428A04CB 0x887BA2ED 0x169C7208
Key: WRot Value: 0x5BE7EC29 0x88E25730 0xB3705270 0x31C7BFE9 0x4432DFA8 0xC5FC3AFF
Key: XCal Value: 0x828B0989 0xEBDFE33A 0x92981327 0x7F87F9D1 0xED28CE33 0xA07CC0CE
Key: YCal Value: 0x28A51FF3 0x7B3931E8 0xDFC9E6BD 0x8E00A018 0xD7F26248 0x9166AE93
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9625M
  firmware: 7.4.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4350
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'wifi --properties',
'Wifi properties
  chip: BCM4350
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 66V10
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 1810mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "1810mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'display --getmode',
'Display mode: 750x1334 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'Help',
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
  "i2c"           scan an I2C bus (-s <bus>)
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 958.375 mV
BIST buck1: 1.250 mV
BIST buck2: 890.875 mV
BIST buck3: 1811.000 mV
BIST buck4: 1198.375 mV
BIST buck5: 964.500 mV
BIST buck6: 0.000 mV
BIST buck7: 988.875 mV
BIST buck3_sw1: 1788.000 mV
BIST buck3_sw2: 1771.875 mV
BIST buck4_sw1: 1200.625 mV
ibuck0: 313.625 mA
ibuck1: 0.375 mA
ibuck2: 209.625 mA
ibuck3: 91.875 mA
ibuck4: 88.875 mA
ibuck5: 61.875 mA
ibuck6: 0.250 mA
ibuck7: 41.500 mA
BIST ldo0: 1830.000 mV
BIST ldo1: 3054.250 mV
BIST ldo2: 1768.000 mV
BIST ldo3: 2990.500 mV
BIST ldo4: 2994.625 mV
BIST ldo5: 0.000 mV
BIST ldo6: 1.250 mV
BIST ldo7: 3052.500 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1.875 mV
BIST ldo10: 1782.875 mV
BIST ldo11: 2973.875 mV
BIST ldo12: 908.250 mV
BIST ldo13: 1825.125 mV
BIST ldo14: 0.000 mV
BIST ldo15: 0.000 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.625 mA
BIST ildo1: 11.000 mA
BIST ildo2: 19.625 mA
BIST ildo3: 9.750 mA
BIST ildo4: 35.000 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 3.625 mA
BIST ildo8: 0.250 mA
BIST ildo9: 0.125 mA
BIST ildo10: 6.125 mA
BIST ildo11: 8.125 mA
BIST ildo12: 26.500 mA
BIST ildo13: 7.250 mA
BIST ildo14: 0.000 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.000 mA
BIST ildo17: 0.000 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.125 mA
BIST ibuf_1v2: 1.375 mA
BIST vbuf_1v2: 1179.250 mV
BIST vrtc: 3003.500 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 5041.750 mV
tigris ibus : 422.625 mA
tigris vbat : 3947.500 mV
tigris ibat : -164.250 mA
tigris vdd : 3823.125 mV
tigris die_temp : 31.728 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5781.000 mV
chestnut vldo2 : 5664.625 mV
chestnut vldo3 : 5170.750 mV
chestnut ildo1 : 8.000 mA
chestnut ildo2 : 8.625 mA
chestnut ildo3 : 2.875 mA
chestnut vneg : -5651.125 mV
chestnut ineg : -6.000 mA
chestnut vin : 3930.625 mV
chestnut ground : 1.250 mV
chestnut vboost : 5925.125 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'buck',
'buck0: 958.375 mV
buck1: 1.250 mV
buck2: 890.875 mV
buck3: 1811.000 mV
buck4: 1198.375 mV
buck5: 964.500 mV
buck6: 0.000 mV
buck7: 988.875 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'buckcheck 5',
'buck0: target 950 mV, measured 958.375 mV - PASS
buck1: target 900 mV, measured 1.250 mV - FAIL
buck2: target 900 mV, measured 890.875 mV - PASS
buck3: target 1800 mV, measured 1811.000 mV - PASS
buck4: target 1200 mV, measured 1198.375 mV - PASS
buck5: target 950 mV, measured 964.500 mV - PASS
buck6: target 0 mV, measured 0.000 mV - PASS
buck7: target 1000 mV, measured 988.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'buckcheck 10',
'buck0: target 950 mV, measured 958.375 mV - PASS
buck1: target 900 mV, measured 1.250 mV - FAIL
buck2: target 900 mV, measured 890.875 mV - PASS
buck3: target 1800 mV, measured 1811.000 mV - PASS
buck4: target 1200 mV, measured 1198.375 mV - PASS
buck5: target 950 mV, measured 964.500 mV - PASS
buck6: target 0 mV, measured 0.000 mV - PASS
buck7: target 1000 mV, measured 988.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'i2c -s 0',
'Scanning I2C bus 0
  0x1A : ACK
  0x27 : ACK
  0x63 : ACK
  0x74 : ACK
4 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'i2c -s 1',
'Scanning I2C bus 1
  0x5A : ACK
  0x75 : ACK
2 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1593 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0x6FB8FDA4 0x92E4EB41 0xC2526D9B 0x4E76494F 0xB7F06E2D 0xE9A616FE
Key: BCMS Value: 0x29A962CD 0xF306FB7E 0xBF33CA5C 0xD22DE052 0xA04F9B31 0x7461F1D6
Key: FCMS Value: 0xEDBBD303 0xE63D5278 0xF8D14993 0x4DA73127 0x23F3D50B 0x315E087D
Key: NvSn Value: 0xFC1265AE 0x50548512 0x5735D0C2 0x86729720 0xCC149921 0x1E9A8399
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x496DCF53 0x8280F564 0xB34CB7DC 0xB1150F85 0x4F2A4B8D 0x9C759E03
Key: MtSN Value: 0x0669C746 0xD8F1F7C9 0x18B0EBED 0x127FC471 0x450C043B 0x799CCD0C
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0x8C2AA6A9 0xB877CE7F 0x0BB590BB 0x4DA68A7B 0xD286906A 0xA462139D
Key: CLHS Value: 0x11978E97 0xA305101D 0xA3333EAB 0x92661951 0xE37DC47F 0x1C550978
Key: CBAT Value: 0x5ABE1E4D 0xDF118B15 0x76FF337E 0xD5CF727B 0xA70D285A 0x4F00030F
Key: DClr Value: 0x0EEA16EC 0x866A4BDF 0x03101298 0x1E29AE88 0x8D016515 0x03803480
Key: ClrC Value: 0x454327ED 0x049CFB87 0xC5826E3A 0x6B604DD0 0x8B1A8650 0x1995562F
Key: CLBG Value: 0xFA8D954D 0x745C8809 0x80B822A7 0x8B0939FB 0x52BBB09F 0xFA8F8C8D
Key: DPSN Value: 0x1985AFAB 0xC26869F1 0x932AD8A8 0x689D8647 0xD6C1B814 0xAA1C3544
Key: FCMB Value: 0xCDA035BC 0x7BE22D09 0x871C6FD4 0x5C753D35 0x001D6D4B 0x42CD368E
Key: PRSq Value: 0x661DEC21 0x095608A6 0xE91636F1 0xCA8349C0 0xB9D4A449 0x04F1F142
Key: BGMt Value: 0xE767C431 0x6DFABC3E 0x63174437 0x94DD1036 0x35387723 0x9737948A
Key: SwBh Value: 0x9BFE46B4 0x71E208D5 0x84AD8A1D 0x91DC0EC9 0x6C633A2F 0x5E641C45
Key: BCAR Value: 0x1A30C092 0x75C79A7E 0x331543B3 0xE14C1740 0x49E32940 0x8CBCE02B
Key: CPAD Value: 0xB540E8C4 0x9AEF5871 0x98250FBA 0x7CA0F5ED 0x92F38B6B 0x256A9A7A
Key: CPBS Value: 0x74829D7F 0x595D4A19 0xFCD9DB8C 0xD380717B 0x6146E5C7 0xAFBA5B9D
Key: BLCl Value: 0xBB00D4E2 0x94FA0569 0x21078247 0x909B9628 0x98ED4B99 0x8A0A435D
Key: WCAL Value: 0x9EB0EDE2 0x1AE33B4A 0x2C8CDFF0 0xA8C8F8FC 0xEA210E05 0xB8309648
Key: PxCl Value: 0xF6C0CED3 0x40FB92BB 0xD6F8AB1E 0x72CA86C6 0x47B9FDCF 0x6C91A7F8
Key: STRB Value: 0x758097CD 0x2A522F3D 0x4FC6C5BD 0x1192ED04 0x5F030437 0xBA0E909E
Key: AICl Value: 0x8A2B40D5 0xAF8F6155 0xA1713B0C 0x2FC45405 0x681E136E 0x304CCCDC
Key: ALSB Value: 0x96C4AAC9 0x70FACF4F 0x8A7DDD00 0x7C992454 0xF6FBD9F4 0x3DBE3556
Key: CGSp Value: 0x9EC5223F 0x5105ACFA 0xDFC874C9 0x85BFF973 0xF967A0CA 0x08E67E79
Key: DBCl Value: 0x1D1309F3 0x1A8043D7 0xFFFFF48C 0x5058FF95 0x44C5C984 0x4CF84C2B
Key: DTCl Value: 0xBC3DDEB6 0xB42C6E45 0xE6ECD00B 0x4909569E 0xEFC40A75 0xD324FD83
Key: FDAC Value: 0xF36E9862 0x6C16DC50 0xD47760F1 0xAEF6E6E0 0xE5C14502 0x98B01BF5
Key: GICl Value: 0xD4F95678 0xCE66A8A3 0x6415BB01 0x1E05D490 0xABD43421 0x03127C82
Key: GLCl Value: 0x7E9E3D06 0xB2CB6363 0x1DD8781E 0x48A59F76 0x9655816C 0xE6909F43
Key: GPCl Value: 0x8351ACDE 0x0C1B549C 0x215FED79 0xDB431205 0xDC33EDCA 0x30DC44A3
Key: GYCl Value: 0x54328A43 0xEC08599D 0xC75EB846 0x08B08B54 0x81CD4CC7 0xF68940C0
Key: HmCA Value: 0xC63896A7 0x2D6F7AD8 0xE6D151FC 0x406FA927 0xF6AB7176 0xEADA8A17
Key: LSCI Value: 0x0E618E91 0x1146FB85 0x817F25DF 0xF51918D8 0xE731432F 0x04835A3A
Key: LTAO Value: 0x18DDDC23 0xFAFCBB3C 0x050C8281 0x02503B36 0x8E0BE204 0x35162069
Key: MdlC Value: 0xD46D0134 0x3E58B158 0x9BFFC689 0x44796D58 0x1957D725 0xC9969CAD
Key: MiBB Value: 0x261CAE88 0x1B067BE3 0xFF15430B 0x6B8C4AF0 0x17310B45 0x58066C5F
Key: NFCl Value: 0xE0DEBA9F 0xADEF48F7 0x99CBCC11 0x742312F2 0xA0106D0F 0x1AE95CD5
Key: NoCl Value: 0x35AE24B9 0x82BCEAE3 0xB9D902B3 0x95CAF87B 0x515884AE 0x4D6CC070
Key: OPCl Value: 0xC479DB1F 0x58C05D86 0xFC6A37F9 0x712CAD16 0x7EDE5EDA 0x245BF6F9
Key: PSCl Value: 0xAEAFC0E2 0x6198726A 0x13A9CF7A 0xD4253409 0x8B707704 0x51B2EEAE
Key: PSTR Value: 0x4404FD21 0xDDB42DAF 0x3E7D5B7A 0x4EAD141D 0x1A2FAB30 0x86B79774
Key: RBmC Value: 0x848FA7A5 0xC5FE5B63 0xB4530A56 0x772BD3E0 0x403D20BE 0x4128D6AA
Key: RFEM Value: 0x9F8DEB85 0x84BB22CE 0x3F654846 0xED6AF450 0xC6EE224D 0x265EF1B2
Key: RxCL Value: 0x2F04ABE7 0x0B382503 0xBE10D22D 0xFEB7C6D4 0x22AFC767 0xCA22A960
Key: SBVr Value: 0x73A337AD 0xC49C62EB 0xCB9D7E79 0x87DB1B93 0x5BDA036F 0xB2A16A69
Key: SrCl Value: 0x97C11431 0xC3672E13 0x9CC10FA6 0x4C356A53 0x8300C806 0x1D448C26
Key: SwCl Value: 0x8ECE142E 0x4737AF61 0x3CC7E8E2 0x3E36C49F 0x471D12CB 0x5A00D487
Key: TCal Value: 0xAB696F81 0x1E2686BA 0x7F483206 0x3E2EEEB2 0x9FA3010F 0xE687FFFC
Key: TEMP Value: 0xA6267E46 0xE055C644 0x3CE635D0 0x3172D78A 0x528DEDF5 0x0F0402C5
Key: TrCl Value: 0x77865204 0xA0E6858E 0xE4A290ED 0xF3CF4DE6 0x3DB0AAEC 0x127E3E2F
Key: UCal Value: 0x17AA15FE 0xA6A5D1C1 0x07373F2B 0x5739ECD3 0x636D6239 0x23ED39A7
Key: VBCA Value: 0x7C328F9C 0x8A31EA32 0x295A5594 0x9B372CF2 0xE07C1B87 0x795C5149
Key: WtCl Value: 0xE531CD26 0x414AD4BE 0x67D8691F 0x22386D21 0xBEA227E3 0xDA4EEFB7
Key: XtAl Value: 0xE31B70EE 0x18C1A979 0xEB40D3A0 0x33CC39AF 0x399FF120 0x79FC32FF
Key: ARot Value: 0xD857D6FA 0x2240BDB9 0x3233D3D9 0x68996A0F 0x663646A5 0x448C830F
Key: BCGr Value: 0xF2562985 0x9567ECBE 0xAD45EA93 0x7431553A 0x24FEF10B 0x352D54EA
Key: BTRx Value: 0x75B72072 0x582AE05D 0x7651D998 0x1DAB6A88 0x1B5ED3FE 0xE18C97BD
Key: BTTx Value: 0x182A820D 0xBB8A86B0 0xCFD53E39 0xFD6EDC64 0x4687B031 0xA0B9602D
Key: CFG# Value: 0x392FB852 0x4B6EEBAB 0xBB036B20 0x72C5CA3B 0xE8E1EE49 0xDF788BD8
Key: CRot Value: 0xBDDEC44C 0x9B54576D 0x096C1423 0x9E915B44 0x1208581A 0xBE115C9F
Key: DDAC Value: 0x5A6DC9A9 0x4A4F452B 0xE0076BF1 0xCE4FDACF 0x48D61F2A 0x64DAE64A
Key: FGSN Value: 0x7799CD2C 0xED70D6F6 0xC5A4CCC6 0x0FEAB37A 0xDC2153CF 0x20F03C95
Key: FrCl Value: 0xFE62FDBD 0x8A59CB03 0x262D5BF7 0x882F67FE 0x32035E2D 0xBBE2B4B6
Key: FSCl Value: 0x7EAFCB9B 0xD5AFFE85 0xB7C15D20 0xA5F421D2 0xF4DE23A7 0x5993F211
Key: HVBt Value: 0xF991AB0B 0x3EEDF33A 0x50268C7E 0x345293AE 0x2D4593CE 0x368F0949
Key: IDCl Value: 0xF44CE38E 0x53B7EE6A 0xE5F23C46 0x60C16533 0xBBB17139 0x074ECA6D
Key: LTRC Value: 0x48925A8B 0xE8F2147C 0x87787238 0x57DEAE56 0x42DDC103 0x98E72E2B
Key: MCaL Value: 0xA4F991CB 0xE9CCC66F 0x2F73A0CD 0xBEC06993 0x557F07E9 0x81F54946
Key: MdBs Value: 0x2CAB72DE 0xA890D1C6 0xCC55662B 0x03C85916 0x149F7B10 0x6A372B80
Key: MtCL Value: 0x7BD630D6 0x9AA2FE71 0xE6B1A70B 0xBEBE7F0E 0x5E9091D5 0xDBAA302D
Key: NBCl Value: 0x1C3B135B 0xEFAB2904 0x05D7D23D 0xC6EE4AE2 0x8CF6E81A 0x06442C0E
Key: PHCl Value: 0xD57322FA 0xD049AC33 0x4346B356 0xEB0D2421 0x040435A1 0xBC10877E
Key: PrCl Value: 0x79E1A477 0x4AC886B4 0x4DE3953A 0x2E29B9CF 0x94E0DC6E 0xFCBECC05
Key: PxOf Value: 0x69901AC0 0x277999FF 0xAEE68402 0xB3CB7003 0x0B6C2214 0xC43580FA
Key: RPCl Value: 0x701ACDAF 0xCD70B3E3 0x20CB73AE 0x5BEBCD3B 0x06E3946A 0x5815CEA7
Key: SaCl Value: 0x3AD2720D 0x1621F5D0 0xB1948BAE 0xDD835CE2 0xB2C62022 0xE9168075
Key: SLCl Value: 0x53DB4F15 0x47C546EA 0x38737D1B 0x7AA1AA59 0x85E39D0E 0x2DADC393
Key: TCMp Value: 0x50EA73B8 0x1B6EEBA7 0x33750C38 0xA8DF94CD 0x9AD87F01 0x0F540A15
Key: TPCl Value: 0x0067BB5B 0x2EA0A0B0 0x7F8619F2 0x50F6F470 0x228C7E32 0x9A2052C6
Key: VPBR Value: 0x8BC9DD85 0x2B492AE0 0xA4E010BB 0xF63F1198 0xB21127F7 0x74FE1214
Key: WRot Value: 0x5452748D 0x1F3967E3 0xC30CE80B 0xF4F364EE 0x741BDA10 0x2C3CA52B
Key: XCal Value: 0x2887B23F 0x73ECD0B9 0x4ADED0A1 0x3274576F 0x8E02E273 0x73F92E39
Key: YCal Value: 0x2DC0C46C 0xB4930E9B 0xE8C46E52 0xE5432932 0x5B127021 0xB00B90DB
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9625M
  firmware: 7.9.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4350
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'wifi --properties',
'Wifi properties
  chip: BCM4350
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 66V10
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 2915mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "2915mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'display --getmode',
'Display mode: 1080x1920 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6 Plus', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

