-- Recorded answers (table Dados) of a good reference board: IP 6s and IP 6s Plus (A9 platform).
-- Each Dados text holds the output lines (LF) and the prompt; zz_finaliza.sql turns it into
-- the console form (CR LF, CR CR LF after the removed echo). Board-specific parts are masked
-- with the text of the auto comparator, the fragments they stand for are rows of table M.
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 887.000 mV
BIST buck1: 0.000 mV
BIST buck2: 860.875 mV
BIST buck3: 1790.375 mV
BIST buck4: 1087.375 mV
BIST buck5: 935.250 mV
BIST buck6: 1.875 mV
BIST buck7: 886.125 mV
BIST buck8: 1.875 mV
BIST buck3_sw1: 1766.250 mV
BIST buck3_sw2: 1787.250 mV
BIST buck4_sw1: 1101.375 mV
ibuck0: 276.750 mA
ibuck1: 0.375 mA
ibuck2: 222.625 mA
ibuck3: 75.125 mA
ibuck4: 81.875 mA
ibuck5: 54.000 mA
ibuck6: 0.375 mA
ibuck7: 40.875 mA
ibuck8: 0.250 mA
BIST ldo0: 1799.000 mV
BIST ldo1: 3010.500 mV
BIST ldo2: 1806.250 mV
BIST ldo3: 3019.750 mV
BIST ldo4: 2989.125 mV
BIST ldo5: 0.000 mV
BIST ldo6: 0.000 mV
BIST ldo7: 3026.750 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1775.500 mV
BIST ldo10: 1832.250 mV
BIST ldo11: 3043.625 mV
BIST ldo12: 884.000 mV
BIST ldo13: 1791.375 mV
BIST ldo14: 0.000 mV
BIST ldo15: 0.625 mV
BIST ldo16: 0.625 mV
BIST ldo17: 0.625 mV
BIST ldo18: 0.625 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.750 mA
BIST ildo1: 10.750 mA
BIST ildo2: 15.500 mA
BIST ildo3: 8.500 mA
BIST ildo4: 27.000 mA
BIST ildo5: 0.250 mA
BIST ildo6: 0.125 mA
BIST ildo7: 4.000 mA
BIST ildo8: 0.125 mA
BIST ildo9: 14.000 mA
BIST ildo10: 6.000 mA
BIST ildo11: 8.625 mA
BIST ildo12: 20.250 mA
BIST ildo13: 7.625 mA
BIST ildo14: 0.125 mA
BIST ildo15: 0.125 mA
BIST ildo16: 0.125 mA
BIST ildo17: 0.000 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.375 mA
BIST vbuf_1v2: 1185.125 mV
BIST vrtc: 2975.000 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 4966.750 mV
tigris ibus : 428.875 mA
tigris vbat : 3901.625 mV
tigris ibat : -166.875 mA
tigris vdd : 3817.500 mV
tigris die_temp : 30.540 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5719.875 mV
chestnut vldo2 : 5655.750 mV
chestnut vldo3 : 5123.250 mV
chestnut ildo1 : 8.625 mA
chestnut ildo2 : 7.875 mA
chestnut ildo3 : 3.000 mA
chestnut vneg : -5690.875 mV
chestnut ineg : -6.250 mA
chestnut vin : 3957.750 mV
chestnut ground : 1.250 mV
chestnut vboost : 5926.375 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'buck',
'buck0: 887.000 mV
buck1: 0.000 mV
buck2: 860.875 mV
buck3: 1790.375 mV
buck4: 1087.375 mV
buck5: 935.250 mV
buck6: 1.875 mV
buck7: 886.125 mV
buck8: 1.875 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'buckcheck 5',
'buck0: target 900 mV, measured 887.000 mV - PASS
buck1: target 0 mV, measured 0.000 mV - PASS
buck2: target 850 mV, measured 860.875 mV - PASS
buck3: target 1800 mV, measured 1790.375 mV - PASS
buck4: target 1100 mV, measured 1087.375 mV - PASS
buck5: target 950 mV, measured 935.250 mV - PASS
buck6: target 0 mV, measured 1.875 mV - PASS
buck7: target 900 mV, measured 886.125 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'buckcheck 10',
'buck0: target 900 mV, measured 887.000 mV - PASS
buck1: target 0 mV, measured 0.000 mV - PASS
buck2: target 850 mV, measured 860.875 mV - PASS
buck3: target 1800 mV, measured 1790.375 mV - PASS
buck4: target 1100 mV, measured 1087.375 mV - PASS
buck5: target 950 mV, measured 935.250 mV - PASS
buck6: target 0 mV, measured 1.875 mV - PASS
buck7: target 900 mV, measured 886.125 mV - PASS
buck8: target 0 mV, measured 1.875 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'i2c -s 0',
'Scanning I2C bus 0
  0x27 : ACK
  0x62 : ACK
  0x75 : ACK
3 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'i2c -s 1',
'Scanning I2C bus 1
  0x1A : ACK
  0x74 : ACK
  0x75 : ACK
3 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1633 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0xF555ACA8 0x9E74431F 0x1C519256 0xF9CA3B65 0xD3F9E893 0x31A0D896
Key: BCMS Value: 0xDCCAF7C8 0xE8A3A7E6 0x68300B03 0x62027F2D 0x54B58870 0xD810CA26
Key: FCMS Value: 0xF4642297 0x960D1216 0x45BD6002 0x67E530A4 0x3CD9DF89 0xD93D662C
Key: NvSn Value: 0x3A300D6F 0xF0E191B9 0x0BE4C7E1 0xE897216E 0x31072549 0xCEF57199
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x145F5B9F 0x2C7F656C 0x3F27FA89 0x138320CC 0x91462C7B 0x8A06A2C7
Key: MtSN Value: 0x5FF9587E 0x8FB87C7D 0xFDBDB371 0x89949A7F 0x328BC481 0xD29B6CE2
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0x517CC185 0xF447325D 0x4E8B50DD 0xAC4C4B1A 0x6AA358F2 0xF080F90A
Key: CLHS Value: 0x38276698 0x762E6E3F 0x0D2DFF35 0x39066D4F 0x700CE676 0x2DC9B21B
Key: CBAT Value: 0xE731A356 0x000D5F81 0x6D438E93 0xCF3F97DD 0x2993FD4E 0xFE0966B2
Key: DClr Value: 0x463E8B66 0x75360809 0x96794FD8 0x8F7C34F6 0xEEF782E0 0x3DBA320A
Key: ClrC Value: 0x5E303623 0x02FB4C55 0x215E7683 0xBC70909A 0x9D103698 0xF3623E21
Key: CLBG Value: 0x9D859DC2 0x8C240F98 0x5E74938A 0x3BB7A29B 0x7B4E1B3C 0x2EDD1E89
Key: DPSN Value: 0x9C1A64A6 0xA4190590 0x3D2D3FF5 0xE8606C9D 0x4DC7BE40 0x8B8D910C
Key: FCMB Value: 0x77287F66 0xCE9D708E 0xCCD8CEAB 0xD14C7E11 0x4C403AFB 0x781EFE14
Key: PRSq Value: 0x9EEC023E 0x0BE5EA48 0x0F934388 0x37F9DD54 0x426A9940 0x255562E8
Key: BGMt Value: 0x61163400 0x8E491431 0x08B10B80 0xE123F80F 0xDAD8BA07 0x263A25E8
Key: SwBh Value: 0x4A8A3EA8 0x930DD9BC 0x245BB079 0x96D69958 0xA49FB9A5 0xC2389378
Key: BCAR Value: 0x4678EE30 0x5578F242 0xD3950475 0xBF497A71 0x38FA7652 0x29EC5545
Key: CPAD Value: 0xAE4C811C 0xD78C6E4A 0x3F9D7133 0x8830CED5 0x15817C62 0x8E04E081
Key: CPBS Value: 0xB3C216E0 0x24937907 0xF1CA38F7 0x934E5A9C 0x84670F04 0xBEF13050
Key: BLCl Value: 0x39067279 0xABEEB944 0xF0A16B75 0xF11BB211 0x2F64C6F1 0xC4BA09EF
Key: WCAL Value: 0x5BC37562 0x8D9A51F0 0x482734F4 0x4D85CD0E 0x871E1F66 0x6AF1D8E8
Key: PxCl Value: 0x745DB8C0 0x2E40109D 0xDE03EFC2 0x838E6433 0x597AF49D 0xF89BAD8B
Key: STRB Value: 0xC35BC999 0x791EF65A 0xB4B7C640 0x2EFB40AC 0xAE5957B6 0xE0520D6C
Key: AICl Value: 0xD53C435B 0xB81AC9D8 0xC9F97C6E 0xD0F0A775 0x41C2B888 0xE88A459B
Key: ALSB Value: 0x6074839A 0x325BEFA3 0xCB9257AE 0x27F61954 0x5182A134 0xAAB9BDF6
Key: CGSp Value: 0x937C50DC 0x12BDCD09 0x2074236E 0x33E31C9A 0x577CEE2C 0x23BFEEC9
Key: DBCl Value: 0x45C0375F 0x8835A570 0x593820D5 0xAB30C12A 0x7DB54F87 0x7B7C8756
Key: DTCl Value: 0x5832B785 0x0E738851 0x752ECAFC 0xB78CD357 0xC0D0445C 0x1A2654E2
Key: FDAC Value: 0x54EC2857 0x3C45B431 0xA3009E3A 0x41ED871D 0x13E9613E 0xD6146CB6
Key: GICl Value: 0xEA5305AE 0x12B0D968 0xE56E3911 0xAFBD89E1 0x87439E26 0x6D01DA11
Key: GLCl Value: 0xCEBCFEBF 0x62134B08 0xD68C570D 0xA6F6E54A 0xD35996FE 0x455AD966
Key: GPCl Value: 0x460C576A 0x9F8131CB 0xF23D9235 0xBDE8792F 0x2DA4ECCF 0x154F31E2
Key: GYCl Value: 0x64FB71CA 0xD5CDAFCC 0x838344A6 0x9C7B0359 0x93FB43A3 0x48377AED
Key: HmCA Value: 0x201F0508 0xD7FB3A5A 0x6E56F74A 0xE2D32AE2 0xD708C606 0x435B96C3
Key: LSCI Value: 0x20383809 0xD7157B79 0x6A378754 0x47F39AA7 0x3BF76AC6 0xB7727FF4
Key: LTAO Value: 0xB866BF1E 0x76731534 0x3232D850 0xFE30A473 0x72EC231B 0x2D1443D4
Key: MdlC Value: 0x360EE596 0xC8A36A55 0x2EC78CE7 0x9EC83778 0xE1D76A8D 0x7EE8EE00
Key: MiBB Value: 0xAFBD4034 0x6BB524C7 0x9407E61A 0x4E1A3270 0x2C2CFC38 0xA4FA09CA
Key: NFCl Value: 0xADB4FB30 0x57EF4B52 0xD9A7002A 0xCCF99270 0xFB8D1565 0x7103B733
Key: NoCl Value: 0x9AD3B765 0x6B95825E 0x11EBF490 0xA43B4677 0xA8CADC45 0xF7DED264
Key: OPCl Value: 0x4D15F260 0x5C842472 0x4E652F89 0x7B28B3B2 0x81909402 0x0C1A17D9
Key: PSCl Value: 0xE4105D0B 0x066DDA3B 0x9D03AF01 0x9AC65F39 0xAA27B798 0x4A1655AD
Key: PSTR Value: 0x6A710431 0xB8F62BF1 0x253889BD 0xA1266675 0x6395EC2B 0x8920BE07
Key: RBmC Value: 0x147D94AF 0x6CC51660 0x4ABBBBE5 0x991B2AF6 0x3451CA50 0x8601BB3B
Key: RFEM Value: 0x4BD3EF07 0x7198BCBC 0x5B595D63 0x6A483702 0x503DAD5B 0xFCA7C134
Key: RxCL Value: 0xCF3564F3 0xF291A05B 0x20D1A237 0xB7662D0F 0xAE3435F5 0xC11E8DE4
Key: SBVr Value: 0xFD6545ED 0x6EF34714 0x95DCCB36 0xE6F99219 0xBC66ECE6 0x03836CFD
Key: SrCl Value: 0x36D56394 0xDDDE39BA 0xD807D6E0 0x21B9EC8B 0xACDBDEE0 0x18B63DAD
Key: SwCl Value: 0x24AEB18C 0xC2B1217B 0x8842D1BE 0xE36770D7 0xC5BD2C0B 0xBA7E0248
Key: TCal Value: 0xE1A71BAD 0x558D2A6C 0xF6FE10EF 0xE3F60C95 0xA31B965B 0xEC7E3069
Key: TEMP Value: 0xA48580C8 0xAA290E61 0xD12428BB 0xB300F055 0x571E2F99 0x6B7674E4
Key: TrCl Value: 0x14CA42D0 0x0A6F417F 0xB0B84963 0x656BB112 0x6697634C 0xD286E047
Key: UCal Value: 0x71F51E18 0xCCA64860 0x4D8C9651 0xBCE05AAB 0x003C6C07 0xE9D11CFF
Key: VBCA Value: 0xA5C771B0 0xB4FC2B8E 0xCCDA9B76 0x97D8BAB4 0x78766B92 0xEE336620
Key: WtCl Value: 0x8779B224 0xE06B7E53 0xFED76925 0x74443DA0 0x7C360E2D 0xD2D01A1A
Key: XtAl Value: 0xAF8586CA 0x025DCA12 0x8DA011D1 0x0413BE7C 0x8C705A8B 0xB80BE480
Key: ARot Value: 0x9E207474 0x47088B98 0xB0A4DF51 0x147512A0 0x97D3C57D 0x747C6F96
Key: BCGr Value: 0x9FE26B53 0xF1C3A36B 0x9A6FFC3C 0x90D254CF 0x8AB67413 0x76646F18
Key: BTRx Value: 0x7F996A53 0x69E39CA9 0x557C33B8 0x968211E5 0x58D9E400 0x4EF8B18F
Key: BTTx Value: 0x82845043 0x521E940A 0xAF30574F 0x3A3E8C86 0x5428F782 0xFE93A59A
Key: CFG# Value: 0xAE8A22C7 0x4583BE7F 0x9D76A3A2 0x983C7089 0x70F51F0F 0xD75DA0A7
Key: CRot Value: 0x5898CB7B 0x531544CF 0xCC0AFA8E 0xC142FCAB 0x3E8764B5 0xF9D346E0
Key: DDAC Value: 0xF2B15CEF 0x18A787E0 0x0489CD5B 0x450B521C 0x859331C2 0x8F6A0F86
Key: FGSN Value: 0xD22DEAEF 0x5FE2AAF8 0xA33E4B86 0x862CEE50 0xD1C3C4C3 0x81F504C3
Key: FrCl Value: 0x2B99A22F 0xF7BC732B 0x88AB0F9E 0x666F65A8 0x9FB44157 0x65B1E1FB
Key: FSCl Value: 0x4D6651AA 0xD26A326E 0x6351A280 0x775430DF 0x9256F676 0xC6FF3D2C
Key: HVBt Value: 0x21A0B8A6 0xC53E51C3 0xB7416FE3 0x4629D7F8 0x5D044C3C 0x840FFC83
Key: IDCl Value: 0xADE05E27 0xF3A5B5DB 0xCD7F22B9 0x841B34E8 0xDB268FDB 0x758CAC05
Key: LTRC Value: 0x5E1053C2 0x36109526 0x2C8B877D 0xA0FB40BB 0xA8672096 0x0D67CF83
Key: MCaL Value: 0x95894B35 0x9DE0DC66 0x2D23B231 0x5284D099 0xF111AE8A 0x0854050F
Key: MdBs Value: 0x2BD99ABF 0x20F5CF77 0xE5883FD5 0x8D9FCB8C 0xB27B0BBC 0x0ABCBEEE
Key: MtCL Value: 0x5B3499E8 0x8A569C79 0xF41B2EB2 0xA1507CBA 0x1A92D77A 0x8E18B4B0
Key: NBCl Value: 0xA98AB911 0x7066B658 0xC70D1CF0 0xB2914583 0x7D1E2AA3 0xDC221A20
Key: PHCl Value: 0x8CCC3C2F 0x6BE6A01F 0x825C16B7 0xBC8112FD 0x4990AD89 0x1BE2D664
Key: PrCl Value: 0x467E46FD 0xFB073103 0xD6C08AAF 0x3D74AA65 0x011FB7C1 0x14284541
Key: PxOf Value: 0x61E60D3F 0xC7E68D10 0x4A65CAD4 0xD9C8C0B2 0x346A635F 0x7BE31925
Key: RPCl Value: 0xCFDCC21A 0x4893F39F 0xAE6D98FD 0xD36E82F9 0x89B917D1 0xD9C50717
Key: SaCl Value: 0x27FAB72B 0xE32833E0 0x5E77F857 0x666D4EB2 0x47D87B6E 0x38403333
Key: SLCl Value: 0xE69B1FF2 0x18CADFC4 0x3A39D9F2 0x49333EEA 0xF7E78746 0x25FAA5CF
Key: TCMp Value: 0xA2B762BF 0x184559EF 0x9BD83C55 0x6157EF6F 0x69293DFF 0xDE3A23E1
Key: TPCl Value: 0x0E4DB28E 0xD7867C3F 0x49AABF4A 0xBE84DC93 0xDCC5D00F 0xBFFB51A7
Key: VPBR Value: 0xF8C130BD 0x11923634 0xE1064D68 0x06F821A3 0x4E257DE4 0xA0BD61E0
Key: WRot Value: 0xAE64CDA0 0x8D90A4E6 0xB6781F1D 0xEF64B4F0 0x6912A828 0xB55D704B
Key: XCal Value: 0xBBD1F412 0x47E3A99B 0x799970BA 0x8E671DC9 0x6C86D8B2 0xFC1AB489
Key: YCal Value: 0x34128DF4 0x6F9B2250 0xD2573048 0xBEF6E816 0xE0E20FEF 0x2C86262D
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9635M
  firmware: 7.5.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4350
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'wifi --properties',
'Wifi properties
  chip: BCM4350
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 66V10
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 1715mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "1715mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'display --getmode',
'Display mode: 750x1334 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'Help',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'syscfg print RMd#',
'xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Número regulatório do modelo (mascarado: cada placa informa a sua variante).',
  'Regulatory model number (masked: each board reports its own variant).',
  'Número regulatorio del modelo (enmascarado: cada placa informa su variante).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'pmuadc --read all',
'PMU ADC readout, all channels
BIST buck0: 882.125 mV
BIST buck1: 1.250 mV
BIST buck2: 833.625 mV
BIST buck3: 1820.125 mV
BIST buck4: 1108.875 mV
BIST buck5: 960.000 mV
BIST buck6: 1.875 mV
BIST buck7: 900.625 mV
BIST buck8: 1.250 mV
BIST buck3_sw1: 1824.875 mV
BIST buck3_sw2: 1826.000 mV
BIST buck4_sw1: 1104.125 mV
ibuck0: 278.750 mA
ibuck1: 0.375 mA
ibuck2: 200.000 mA
ibuck3: 87.125 mA
ibuck4: 84.625 mA
ibuck5: 50.500 mA
ibuck6: 0.375 mA
ibuck7: 39.625 mA
ibuck8: 0.250 mA
BIST ldo0: 1768.375 mV
BIST ldo1: 2950.875 mV
BIST ldo2: 1789.250 mV
BIST ldo3: 2986.375 mV
BIST ldo4: 3012.250 mV
BIST ldo5: 0.625 mV
BIST ldo6: 1.875 mV
BIST ldo7: 2985.375 mV
BIST ldo8: 1.875 mV
BIST ldo9: 1764.750 mV
BIST ldo10: 1802.500 mV
BIST ldo11: 2946.375 mV
BIST ldo12: 901.750 mV
BIST ldo13: 1777.500 mV
BIST ldo14: 0.625 mV
BIST ldo15: 0.625 mV
BIST ldo16: 0.000 mV
BIST ldo17: 0.000 mV
BIST ldo18: 0.000 mV
BIST ldo19: 0.625 mV
BIST ildo0: 2.375 mA
BIST ildo1: 10.000 mA
BIST ildo2: 17.125 mA
BIST ildo3: 8.625 mA
BIST ildo4: 30.250 mA
BIST ildo5: 0.125 mA
BIST ildo6: 0.125 mA
BIST ildo7: 3.750 mA
BIST ildo8: 0.250 mA
BIST ildo9: 13.000 mA
BIST ildo10: 6.000 mA
BIST ildo11: 8.625 mA
BIST ildo12: 20.375 mA
BIST ildo13: 7.500 mA
BIST ildo14: 0.125 mA
BIST ildo15: 0.000 mA
BIST ildo16: 0.125 mA
BIST ildo17: 0.125 mA
BIST ildo18: 0.125 mA
BIST ildo19: 0.000 mA
BIST ibuf_1v2: 1.625 mA
BIST vbuf_1v2: 1197.625 mV
BIST vrtc: 3015.250 mV
BIST vbat_sense 3912.500 mV
BIST tdie_pmu 31.250 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do ADC da PMU de uma placa boa em modo purple. GPU e câmera ficam em 0 V.',
  'Full PMU ADC readout of a good board in purple mode. GPU and camera rails read 0 V.',
  'Lectura completa del ADC de la PMU de una placa buena en modo purple. GPU y cámara quedan en 0 V.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'pmuadc --sel tigris --read all',
'Tigris charger ADC readout
tigris vbus : 5042.000 mV
tigris ibus : 429.125 mA
tigris vbat : 3883.375 mV
tigris ibat : -167.000 mA
tigris vdd : 3834.500 mV
tigris die_temp : 32.483 C
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do carregador Tigris de uma placa boa, cabo USB conectado e bateria presente.',
  'Tigris charger channels of a good board, USB cable plugged in and battery present.',
  'Canales del cargador Tigris de una placa buena, cable USB conectado y batería presente.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'pmuadc --sel chestnut --read all',
'Chestnut ADC readout
chestnut vldo1 : 5684.125 mV
chestnut vldo2 : 5695.000 mV
chestnut vldo3 : 5163.250 mV
chestnut ildo1 : 7.875 mA
chestnut ildo2 : 8.625 mA
chestnut ildo3 : 2.875 mA
chestnut vneg : -5662.750 mV
chestnut ineg : -5.875 mA
chestnut vin : 3905.875 mV
chestnut ground : 1.250 mV
chestnut vboost : 5932.000 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Canais do Chestnut (alimentação do display) com display e touch conectados.',
  'Chestnut (display power) channels with display and touch connected.',
  'Canales del Chestnut (alimentación del display) con display y touch conectados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'touch --on',
'Touch controller powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'touch --off',
'Touch controller powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Liga/desliga o controlador do touch.',
  'Switches the touch controller.',
  'Enciende/apaga el controlador del touch.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'buck',
'buck0: 882.125 mV
buck1: 1.250 mV
buck2: 833.625 mV
buck3: 1820.125 mV
buck4: 1108.875 mV
buck5: 960.000 mV
buck6: 1.875 mV
buck7: 900.625 mV
buck8: 1.250 mV
[xxxxxxxx:xxxxxxxx] :-) ',
  'Tensão de cada saída buck. GPU (buck1/buck8) e câmera ficam em 0 V em modo purple.',
  'Voltage of every buck output. GPU (buck1/buck8) and camera read 0 V in purple mode.',
  'Tensión de cada salida buck. GPU (buck1/buck8) y cámara quedan en 0 V en modo purple.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'buckcheck 5',
'buck0: target 900 mV, measured 882.125 mV - PASS
buck1: target 0 mV, measured 1.250 mV - PASS
buck2: target 850 mV, measured 833.625 mV - PASS
buck3: target 1800 mV, measured 1820.125 mV - PASS
buck4: target 1100 mV, measured 1108.875 mV - PASS
buck5: target 950 mV, measured 960.000 mV - PASS
buck6: target 0 mV, measured 1.875 mV - PASS
buck7: target 900 mV, measured 900.625 mV - PASS
buck8: target 0 mV, measured 1.250 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'buckcheck 10',
'buck0: target 900 mV, measured 882.125 mV - PASS
buck1: target 0 mV, measured 1.250 mV - PASS
buck2: target 850 mV, measured 833.625 mV - PASS
buck3: target 1800 mV, measured 1820.125 mV - PASS
buck4: target 1100 mV, measured 1108.875 mV - PASS
buck5: target 950 mV, measured 960.000 mV - PASS
buck6: target 0 mV, measured 1.875 mV - PASS
buck7: target 900 mV, measured 900.625 mV - PASS
buck8: target 0 mV, measured 1.250 mV - PASS
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste das saídas buck contra o alvo com a tolerância indicada. No IP 6/6 Plus o buck1 (GPU) sempre dá FAIL.',
  'Buck outputs checked against their targets with the given tolerance. On IP 6/6 Plus buck1 (GPU) always FAILs.',
  'Prueba de las salidas buck contra el objetivo con la tolerancia indicada. En IP 6/6 Plus el buck1 (GPU) siempre da FAIL.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'i2c -s 0',
'Scanning I2C bus 0
  0x27 : ACK
  0x62 : ACK
  0x75 : ACK
3 device(s) found on bus 0
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'i2c -s 1',
'Scanning I2C bus 1
  0x1A : ACK
  0x74 : ACK
  0x75 : ACK
3 device(s) found on bus 1
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'i2c -s 2',
'Scanning I2C bus 2
  0x21 : ACK
  0x29 : ACK
2 device(s) found on bus 2
[xxxxxxxx:xxxxxxxx] :-) ',
  'Dispositivos que respondem neste barramento numa placa boa.',
  'Devices that answer on this bus on a good board.',
  'Dispositivos que responden en este bus en una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'nanduid',
'NAND UID: xxxxx®
Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'nandsize',
'NAND Size (Passed): xxxxx®
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta da NAND de uma placa boa; identificador e tamanho variam de placa para placa (mascarados).',
  'NAND answer of a good board; identifier and size vary from board to board (masked).',
  'Respuesta de la NAND de una placa buena; identificador y tamaño varían de placa a placa (enmascarados).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'syscfg list',
'Reading the system configuration store...
Key: SrNm Value: xxxxx®
Key: MLB# Value: xxxxx®
Key: Mod# Value: M1687 LL/A
Key: RMd# Value: xxxxx®
Key: Regn Value: LL/A
Key: Batt Value: 0xD1184A77 0xF6681E39 0x2EC89F88 0x188FA6D6 0x0A6B40E5 0xA436F3D4
Key: BCMS Value: 0xF27BF492 0x37CE375E 0x93A7FC13 0xF97B15DE 0x8E837F24 0xD2BC7DA0
Key: FCMS Value: 0xC29C7C51 0x33C45A04 0x7172FC86 0xCC335CD2 0x719AC48B 0xC1776E65
Key: NvSn Value: 0x7348F3EE 0x6B940C1B 0x26B7F5CE 0x06369916 0xF1452FBD 0xE7179A44
Key: NSrN Value: xxxxx®
Key: LCM# Value: 0x33EE30DA 0xBBA1EB04 0xEB048FAE 0x63014C43 0x3097F5DE 0xB4371850
Key: MtSN Value: 0x67744DFD 0x9EDCB939 0x57191D13 0xDA62273B 0xE4CC8CB0 0x675B9356
Key: WMac Value: xxxxx®
Key: BMac Value: xxxxx®
Key: EMac Value: 0x4A4FDB0E 0xD9DCACAE 0xD9FEE972 0xC5551A7E 0x5DC3703C 0x058528B7
Key: CLHS Value: 0x08E2E995 0xCFE915FE 0xD77391EE 0xB510BFC9 0x99D81166 0x33685F25
Key: CBAT Value: 0x7670B854 0x56955FBF 0x3D5EA29E 0x579CD9CB 0x2CEA3742 0xF61038F7
Key: DClr Value: 0xF0020DEE 0x34EBC942 0xA2BADC3D 0xFB4C44F3 0xAA792CE5 0x51B6795E
Key: ClrC Value: 0x81E3D852 0x3EDE465F 0xCD4A8FA0 0xCE4639B8 0x6F824CA6 0xA33215FE
Key: CLBG Value: 0x69E1458D 0x6950600C 0xCCDB5CC2 0xA236CAFC 0x6A65CC73 0x13206750
Key: DPSN Value: 0x2942A3C6 0xAD91E344 0xEEC6D2C6 0x22C77EF7 0x85356F24 0x79D5A8F0
Key: FCMB Value: 0x271C0A5E 0x279A9263 0x3EA4E4CA 0x5AAB5C07 0x277DA890 0xCE732146
Key: PRSq Value: 0x2C4CB02E 0x239FD040 0xA8195718 0x7817CF65 0x2CD2C2FE 0x45EBFF9F
Key: BGMt Value: 0x759219F4 0x9E369BC7 0x9551642D 0xE2B43A5F 0xBDAF7C90 0xEA7948A3
Key: SwBh Value: 0xA43C3FCC 0xAA95BC99 0x1EBBB0A4 0x5396BB98 0x9085229D 0x632AC0AA
Key: BCAR Value: 0x750A37DA 0x4DFC379C 0xF26F5322 0xA2572CDC 0xF345EC8B 0x8F551F68
Key: CPAD Value: 0xFFCA4F5F 0xD8B2F0B4 0xB0CA97E1 0x6AF7B06D 0x25764715 0xEA4954E7
Key: CPBS Value: 0xF6CD273A 0x39DEE011 0xAA381DEA 0x1940C7AA 0xC505274E 0x8D4453C8
Key: BLCl Value: 0x66B588B2 0x9F1CA19E 0x8EA5A2A7 0xCF5758C2 0x9FDB3E3A 0xABDC88AF
Key: WCAL Value: 0x7ACAA74F 0x6839E330 0xB4CFF08A 0x2F73EEA0 0xFE590937 0x683B3E39
Key: PxCl Value: 0xAED0C258 0xA2FA8BDC 0x9DAC7F59 0x011714BE 0x688F5837 0x4A76D342
Key: STRB Value: 0x6638396F 0x0D1D05AE 0x45708794 0x769C362F 0xD4ADBF8B 0x390CAE41
Key: AICl Value: 0x89C33F24 0xAD6F9D52 0x4DFED289 0xB035D51D 0x6E97F9FD 0x6CB5AE4F
Key: ALSB Value: 0xA08E2A5A 0x3D1D580E 0x43CADBFB 0x53FE5A28 0x41761B7F 0x3ACD5229
Key: CGSp Value: 0x7F4F983F 0x73994126 0x06066438 0x6EC57362 0x7B27C7A3 0x78EC1077
Key: DBCl Value: 0xB2BB33A4 0xF7AE1FD0 0x989126B5 0x12B8A2F0 0xF4A9D9A5 0x173E2BD5
Key: DTCl Value: 0x0197BB1E 0xCFE55184 0xEA399246 0x7046CA8B 0xF9387330 0x6DFFD6A6
Key: FDAC Value: 0xF11F5353 0xADBED0A0 0x903AFB9C 0x2FAD5D0C 0xEF957477 0xFF81F622
Key: GICl Value: 0x686661F9 0xC87FF61D 0xA69F5DBF 0xDF6339AB 0xBA7F918A 0x0EF8C08A
Key: GLCl Value: 0x8CBD9DF5 0xEE3E9BEE 0x70647CE8 0x6016E548 0x1F5E0CD0 0xAA630BF6
Key: GPCl Value: 0xAF8649CC 0x7687F0AF 0x65EDA547 0xB6DE50B1 0x1DF40B48 0xB4783249
Key: GYCl Value: 0x10A06089 0x7E2E9E23 0x3578D232 0xF0568E7E 0x66FFB2D9 0xC5DA9383
Key: HmCA Value: 0x8A01D6BC 0x4E6C9B25 0xC83E000F 0x437E12B0 0x54EB5719 0x109C5EDC
Key: LSCI Value: 0x3B638CC8 0xA29B011B 0xCDC97254 0xF832094C 0x8717AD4E 0xD06598EA
Key: LTAO Value: 0x506A9A6F 0xF9C33E5A 0x1D076F0E 0x5A2452D8 0xC38D1428 0xD4CC8580
Key: MdlC Value: 0xD66CDF7A 0xDAFC9EA9 0x9A5BAD9C 0x3D05C4A5 0x8265B767 0xFAA20C97
Key: MiBB Value: 0x20FC2C7B 0x48F882BD 0xA7EC8459 0x43293F99 0xFEE971E7 0xA4CCF4FA
Key: NFCl Value: 0x437F4F47 0xB5136B2E 0x9FC2378F 0x9721A477 0x99BFB4F7 0xEA9BA4D1
Key: NoCl Value: 0x1AA74D6C 0x0605933B 0x366322EF 0xBE3736BD 0xCDFB8A78 0x9004AA5D
Key: OPCl Value: 0xA6D193C0 0x296888D7 0xDF9FB6E1 0x58C3E53B 0xF49F2D26 0x7F992AAF
Key: PSCl Value: 0xC155C6FC 0x12BCED3A 0x98E47FD8 0x33008929 0x7A2D5D17 0xA2096FD8
Key: PSTR Value: 0xE3915815 0xF5847E1E 0xB4207D65 0xFB0819E3 0x8F6435D7 0xFE913B41
Key: RBmC Value: 0xDFF6CA6F 0xB77BEAD7 0x651CBF8A 0x37295BF6 0x39596910 0x3A71C433
Key: RFEM Value: 0x252BC4FA 0x6F69FFC8 0xDC004095 0xDF28E3CF 0xDE3A49E7 0x2788EAD4
Key: RxCL Value: 0x577ED31B 0x05AD1DD4 0x0D2A632B 0x2836225A 0x4F4C3DA5 0xBA65CF6C
Key: SBVr Value: 0x668FD072 0xFB59E5FC 0x8337F15F 0xB64815DD 0xEA37BB3C 0x9E115D53
Key: SrCl Value: 0x701135AD 0x47CA5BA0 0xECA8DEFC 0x65326F19 0x2E634B29 0x388CAE5D
Key: SwCl Value: 0x8562642B 0x026BD52E 0xD033C17E 0xA863A1F1 0x17DCD468 0x0646BDC5
Key: TCal Value: 0x2794091D 0x18C49E49 0x52A52758 0xF86146B2 0x866EDAB7 0x227D1126
Key: TEMP Value: 0x8995B318 0xB47DBB52 0xC5263B5D 0x069C2731 0x2B21793E 0x9A635E9E
Key: TrCl Value: 0xA2A5D44D 0x3B0AC0E0 0x36448D9B 0xDC3AD3E0 0x7099032E 0x00D3F106
Key: UCal Value: 0x2C8EC35E 0x280C2615 0x42C18A58 0xA59D9439 0xE9A3A8BB 0x0C6110FC
Key: VBCA Value: 0x53FAF174 0xD16BCD99 0x8351A8B3 0x8E8DD2D1 0xE44E19F2 0xB4A006A0
Key: WtCl Value: 0xD5CA2985 0x784F50CB 0xECF0F69C 0x8DD92EDD 0x7CA73A88 0x404BC963
Key: XtAl Value: 0xF5330569 0x13F0BB47 0x983E5872 0x666944C5 0xF82DA01D 0x1EF68DF5
Key: ARot Value: 0x05E8783E 0x742A0E27 0x420A7380 0x6B317309 0xE52D23D9 0xB074A200
Key: BCGr Value: 0xE958CCAB 0x72D84201 0xD536B07C 0x74330DA9 0xB20FD5B8 0x47FB5F79
Key: BTRx Value: 0xC39D398D 0x6B468E14 0x12300F90 0x4850A4D8 0x05D6672F 0x39C3081E
Key: BTTx Value: 0x399F74C0 0xFE6804AC 0xC94F4F04 0x00E45291 0x759F90A6 0xFD0DECD3
Key: CFG# Value: 0xDCABE39F 0xAB1D8B47 0xB6E5DF31 0x021C7CF8 0x15C3B021 0x76A088F0
Key: CRot Value: 0x41C254AC 0xF91628CE 0x09BA0F3B 0x5820A028 0x64236797 0x1A7F273D
Key: DDAC Value: 0x6078E76E 0x07B371B6 0x6C160A48 0x3B73BDD4 0xFAE16D38 0xC4F0BC66
Key: FGSN Value: 0x5EC7CDE6 0x53B540D1 0x601E383C 0xDB7DD6EC 0x21D6D955 0x6AAB9981
Key: FrCl Value: 0x908BBF84 0x56B3E53B 0xFDBD526A 0x8C5DDA5B 0x7C1646C5 0x1C25CD97
Key: FSCl Value: 0x83DE87B7 0x552A04C8 0xD44837E4 0xD8E09C54 0x8A092D77 0x3F91B254
Key: HVBt Value: 0xB7B64AC5 0x21A3C80B 0xDB9CE5CA 0x50BB10E6 0xE9463DDA 0x0F794CF0
Key: IDCl Value: 0x724C6D92 0x6F54EA52 0x0CD7FC17 0xB9B92A62 0x0A46439D 0x163EAEC9
Key: LTRC Value: 0x234C69F2 0x917FE414 0xA3DA1EA8 0x29362D53 0xC719AF03 0x1B3A29C1
Key: MCaL Value: 0xCAA69683 0x33FD543C 0x63BCB082 0xD729C54E 0x09900B06 0x1B58FBFF
Key: MdBs Value: 0xBD6A3792 0x6CBF020A 0x571A21EB 0x9AEC0C5C 0x7FD0A7F1 0x42CBDBCE
Key: MtCL Value: 0x0F572D10 0x2656E921 0x8403C24A 0x6908C952 0x89367F29 0x719FACFA
Key: NBCl Value: 0xA8A8FF1C 0xF7EF26C4 0x7F27F3F5 0xF8D61E2E 0x8BFE23FD 0x3AEAABF0
Key: PHCl Value: 0x74A2A2CC 0x0EE9D46B 0xB8A93AB8 0x2347EA0C 0x3AD49D8F 0x039947CD
Key: PrCl Value: 0x7E0E59B3 0x2EF1FD6B 0x28234BAF 0xC04B4D84 0xA1B0E319 0xA7B76CFB
Key: PxOf Value: 0xF962C002 0x24AF2450 0xD7263BF5 0x1C0832D2 0x35D18F3B 0xD7360525
Key: RPCl Value: 0x5EA5245C 0xB3CF53F2 0x7D8532DC 0x3819BCC7 0x06B90C99 0x7EF485FE
Key: SaCl Value: 0x8B0ED648 0x881C25A2 0x66A328B7 0x3708106F 0xB7791B81 0xC3F0BE28
Key: SLCl Value: 0x0F4F661C 0x329515F2 0x596FE318 0xEC5DDD3C 0xA73891AF 0xABC89F63
Key: TCMp Value: 0xE38BC460 0xA23B23A3 0x75209049 0x537AC5C7 0x169F1A8C 0xDF8864B9
Key: TPCl Value: 0x10EA47DF 0xE6027301 0x700CB1D2 0x6CDD5111 0xECE4839C 0x0F827A47
Key: VPBR Value: 0x57C37D2E 0xA99D777A 0x2E23A96B 0x0B4C4F05 0xE14CFF47 0x2BA22313
Key: WRot Value: 0x90322A9A 0x6D4C35FE 0xC041E389 0x3B03EB7D 0x1C8E273A 0xAC6454E0
Key: XCal Value: 0x5051A7E0 0x118067E6 0xF5D642F5 0x51618C7D 0xBF5E1B0C 0x4C62B8A5
Key: YCal Value: 0x3D6413B1 0x7809B45C 0x87DEBBB6 0x088DF53D 0x8F9BCF6E 0xDF9EF6CD
94 keys read
[xxxxxxxx:xxxxxxxx] :-) ',
  'Leitura completa do syscfg (cerca de 45 s). Números de série e endereços MAC mascarados.',
  'Full syscfg read (about 45 s). Serial numbers and MAC addresses masked.',
  'Lectura completa del syscfg (unos 45 s). Números de serie y direcciones MAC enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'baseband --on',
'Powering on baseband...
BB_HSIC_RDY asserted
Baseband power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'baseband --off',
'Baseband powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'baseband -p',
'Baseband properties
  vendor: Qualcomm MDM9635M
  firmware: 7.10.01
  IMEI: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'bluetooth --on',
'Bluetooth power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'bluetooth --off',
'Bluetooth powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'bluetooth -p',
'Bluetooth properties
  chip: BCM4350
  address: xxxxx®
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'wifi --on',
'Wifi power on success
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'wifi --off',
'Wifi powered off
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'wifi --properties',
'Wifi properties
  chip: BCM4350
  mac-address: xxxxx®
  country-code: US
  state: on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'stockholm --on',
'Stockholm powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'stockholm -p',
'Stockholm (NFC) properties
  controller: NXP 66V10
  id: xxxxx®
  state: powered on
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta do rádio numa placa boa com antenas conectadas.',
  'Radio answer of a good board with antennas connected.',
  'Respuesta de la radio en una placa buena con antenas conectadas.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'tristar -p',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'battery --properties',
'Battery properties
  manufacturer: ATL
  serial: xxxxx®
  design-capacity: 2750mAh
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'device  --key GasGauge -p',
'GasGauge properties
    device-name: "bq27546"
    serial: "xxxxx®"
    cycle-count: xxxxx®
    charge-percentage: xxxxx®
    design-capacity: "2750mAh"
    nominal-capacity: xxxxx®
    voltage: xxxxx®
    current: xxxxx®
    temperature: xxxxx®
    state: "Discharging"
[xxxxxxxx:xxxxxxxx] :-) ',
  'Bateria original em bom estado; ciclos, capacidade atual, tensão e temperatura mascarados.',
  'Genuine battery in good condition; cycles, present capacity, voltage and temperature masked.',
  'Batería original en buen estado; ciclos, capacidad actual, tensión y temperatura enmascarados.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'testmemory',
'Testing DRAM...
  data bus test ... ok
  address bus test ... ok
  device test ... ok
Memory test Passed
[xxxxxxxx:xxxxxxxx] :-) ',
  'Teste de memória aprovado (Passed).',
  'Memory test passed.',
  'Prueba de memoria aprobada (Passed).');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'testmemory --1MB',
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

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'display --getmode',
'Display mode: 1080x1920 @ 60Hz, 24 bpp
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

INSERT INTO Dados (Aparelho, Comando, Dados, Info, Info2, Info3) VALUES ('IP 6s Plus', 'bl -n',
'Backlight test running, watch the screen
[xxxxxxxx:xxxxxxxx] :-) ',
  'Resposta de uma placa boa.',
  'Answer of a good board.',
  'Respuesta de una placa buena.');

