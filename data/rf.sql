-- RF supply references (table Rf): rail, component to measure on, reference value.
-- Tipo 'T': the single group of the IP 6 family; 'I' boards with an Intel modem and
-- 'Q' boards with a Qualcomm modem (IP 7 and newer ship with either).
-- Plausible engineering values written by us; see data/README.md.

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 6', 'PP_BB_VDD_MODEM', 'C2001', '0.90 V', 'T'),
  ('IP 6', 'PP_BB_VDD_CX', 'C2010', '0.80 V', 'T'),
  ('IP 6', 'PP1V8_BB', 'C2021', '1.80 V', 'T'),
  ('IP 6', 'PP_BB_VBAT', 'C2031', '3.80 V', 'T'),
  ('IP 6', 'PP_PA_VCC', 'C2041', '3.40 V', 'T'),
  ('IP 6', 'PP3V3_WLAN', 'C2052', '3.30 V', 'T'),
  ('IP 6', 'PP1V8_WLAN', 'C2063', '1.80 V', 'T'),
  ('IP 6', 'PP1V8_NFC', 'C2074', '1.80 V', 'T');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 6 Plus', 'PP_BB_VDD_MODEM', 'C2101', '0.90 V', 'T'),
  ('IP 6 Plus', 'PP_BB_VDD_CX', 'C2110', '0.80 V', 'T'),
  ('IP 6 Plus', 'PP1V8_BB', 'C2121', '1.80 V', 'T'),
  ('IP 6 Plus', 'PP_BB_VBAT', 'C2131', '3.80 V', 'T'),
  ('IP 6 Plus', 'PP_PA_VCC', 'C2141', '3.40 V', 'T'),
  ('IP 6 Plus', 'PP3V3_WLAN', 'C2152', '3.30 V', 'T'),
  ('IP 6 Plus', 'PP1V8_WLAN', 'C2163', '1.80 V', 'T'),
  ('IP 6 Plus', 'PP1V8_NFC', 'C2174', '1.80 V', 'T');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 6s', 'PP_BB_VDD_MODEM', 'C3001', '0.90 V', 'T'),
  ('IP 6s', 'PP_BB_VDD_CX', 'C3010', '0.80 V', 'T'),
  ('IP 6s', 'PP1V8_BB', 'C3021', '1.80 V', 'T'),
  ('IP 6s', 'PP_BB_VBAT', 'C3031', '3.80 V', 'T'),
  ('IP 6s', 'PP_PA_VCC', 'C3041', '3.40 V', 'T'),
  ('IP 6s', 'PP3V3_WLAN', 'C3052', '3.30 V', 'T'),
  ('IP 6s', 'PP1V8_WLAN', 'C3063', '1.80 V', 'T'),
  ('IP 6s', 'PP1V8_NFC', 'C3074', '1.80 V', 'T');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 6s Plus', 'PP_BB_VDD_MODEM', 'C3101', '0.90 V', 'T'),
  ('IP 6s Plus', 'PP_BB_VDD_CX', 'C3110', '0.80 V', 'T'),
  ('IP 6s Plus', 'PP1V8_BB', 'C3121', '1.80 V', 'T'),
  ('IP 6s Plus', 'PP_BB_VBAT', 'C3131', '3.80 V', 'T'),
  ('IP 6s Plus', 'PP_PA_VCC', 'C3141', '3.40 V', 'T'),
  ('IP 6s Plus', 'PP3V3_WLAN', 'C3152', '3.30 V', 'T'),
  ('IP 6s Plus', 'PP1V8_WLAN', 'C3163', '1.80 V', 'T'),
  ('IP 6s Plus', 'PP1V8_NFC', 'C3174', '1.80 V', 'T');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 7', 'PP_BB_VDD_CORE', 'C6001', '0.90 V', 'I'),
  ('IP 7', 'PP_BB_VDD_LDO1', 'C6012', '1.20 V', 'I'),
  ('IP 7', 'PP1V8_BB_IO', 'C6020', '1.80 V', 'I'),
  ('IP 7', 'PP_BB_VBAT', 'C6031', '3.80 V', 'I'),
  ('IP 7', 'PP_PA_VCC', 'C6041', '3.40 V', 'I'),
  ('IP 7', 'PP_ET_MODULATOR', 'C6045', '3.60 V', 'I'),
  ('IP 7', 'PP3V3_WLAN', 'C6052', '3.30 V', 'I'),
  ('IP 7', 'PP1V8_GPS', 'C6063', '1.80 V', 'I');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 7', 'PP_MODEM_VDD_CORE', 'C6501', '0.80 V', 'Q'),
  ('IP 7', 'PP_MODEM_VDD_MEM', 'C6510', '0.95 V', 'Q'),
  ('IP 7', 'PP1V8_MODEM', 'C6521', '1.80 V', 'Q'),
  ('IP 7', 'PP_MODEM_VBAT', 'C6531', '3.80 V', 'Q'),
  ('IP 7', 'PP_PA_ET', 'C6541', '3.40 V', 'Q'),
  ('IP 7', 'PP_WTR_VDD', 'C6547', '1.30 V', 'Q'),
  ('IP 7', 'PP3V3_WLAN', 'C6552', '3.30 V', 'Q'),
  ('IP 7', 'PP1V8_GPS', 'C6563', '1.80 V', 'Q');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 7 Plus', 'PP_BB_VDD_CORE', 'C6101', '0.90 V', 'I'),
  ('IP 7 Plus', 'PP_BB_VDD_LDO1', 'C6112', '1.20 V', 'I'),
  ('IP 7 Plus', 'PP1V8_BB_IO', 'C6120', '1.80 V', 'I'),
  ('IP 7 Plus', 'PP_BB_VBAT', 'C6131', '3.80 V', 'I'),
  ('IP 7 Plus', 'PP_PA_VCC', 'C6141', '3.40 V', 'I'),
  ('IP 7 Plus', 'PP_ET_MODULATOR', 'C6145', '3.60 V', 'I'),
  ('IP 7 Plus', 'PP3V3_WLAN', 'C6152', '3.30 V', 'I'),
  ('IP 7 Plus', 'PP1V8_GPS', 'C6163', '1.80 V', 'I');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 7 Plus', 'PP_MODEM_VDD_CORE', 'C6601', '0.80 V', 'Q'),
  ('IP 7 Plus', 'PP_MODEM_VDD_MEM', 'C6610', '0.95 V', 'Q'),
  ('IP 7 Plus', 'PP1V8_MODEM', 'C6621', '1.80 V', 'Q'),
  ('IP 7 Plus', 'PP_MODEM_VBAT', 'C6631', '3.80 V', 'Q'),
  ('IP 7 Plus', 'PP_PA_ET', 'C6641', '3.40 V', 'Q'),
  ('IP 7 Plus', 'PP_WTR_VDD', 'C6647', '1.30 V', 'Q'),
  ('IP 7 Plus', 'PP3V3_WLAN', 'C6652', '3.30 V', 'Q'),
  ('IP 7 Plus', 'PP1V8_GPS', 'C6663', '1.80 V', 'Q');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 8', 'PP_BB_VDD_CORE', 'C7001', '0.90 V', 'I'),
  ('IP 8', 'PP_BB_VDD_LDO1', 'C7012', '1.20 V', 'I'),
  ('IP 8', 'PP1V8_BB_IO', 'C7020', '1.80 V', 'I'),
  ('IP 8', 'PP_BB_VBAT', 'C7031', '3.80 V', 'I'),
  ('IP 8', 'PP_PA_VCC', 'C7041', '3.40 V', 'I'),
  ('IP 8', 'PP_ET_MODULATOR', 'C7045', '3.60 V', 'I'),
  ('IP 8', 'PP3V3_WLAN', 'C7052', '3.30 V', 'I'),
  ('IP 8', 'PP1V8_GPS', 'C7063', '1.80 V', 'I');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 8', 'PP_MODEM_VDD_CORE', 'C7501', '0.80 V', 'Q'),
  ('IP 8', 'PP_MODEM_VDD_MEM', 'C7510', '0.95 V', 'Q'),
  ('IP 8', 'PP1V8_MODEM', 'C7521', '1.80 V', 'Q'),
  ('IP 8', 'PP_MODEM_VBAT', 'C7531', '3.80 V', 'Q'),
  ('IP 8', 'PP_PA_ET', 'C7541', '3.40 V', 'Q'),
  ('IP 8', 'PP_WTR_VDD', 'C7547', '1.30 V', 'Q'),
  ('IP 8', 'PP3V3_WLAN', 'C7552', '3.30 V', 'Q'),
  ('IP 8', 'PP1V8_GPS', 'C7563', '1.80 V', 'Q');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 8 Plus', 'PP_BB_VDD_CORE', 'C7101', '0.90 V', 'I'),
  ('IP 8 Plus', 'PP_BB_VDD_LDO1', 'C7112', '1.20 V', 'I'),
  ('IP 8 Plus', 'PP1V8_BB_IO', 'C7120', '1.80 V', 'I'),
  ('IP 8 Plus', 'PP_BB_VBAT', 'C7131', '3.80 V', 'I'),
  ('IP 8 Plus', 'PP_PA_VCC', 'C7141', '3.40 V', 'I'),
  ('IP 8 Plus', 'PP_ET_MODULATOR', 'C7145', '3.60 V', 'I'),
  ('IP 8 Plus', 'PP3V3_WLAN', 'C7152', '3.30 V', 'I'),
  ('IP 8 Plus', 'PP1V8_GPS', 'C7163', '1.80 V', 'I');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP 8 Plus', 'PP_MODEM_VDD_CORE', 'C7601', '0.80 V', 'Q'),
  ('IP 8 Plus', 'PP_MODEM_VDD_MEM', 'C7610', '0.95 V', 'Q'),
  ('IP 8 Plus', 'PP1V8_MODEM', 'C7621', '1.80 V', 'Q'),
  ('IP 8 Plus', 'PP_MODEM_VBAT', 'C7631', '3.80 V', 'Q'),
  ('IP 8 Plus', 'PP_PA_ET', 'C7641', '3.40 V', 'Q'),
  ('IP 8 Plus', 'PP_WTR_VDD', 'C7647', '1.30 V', 'Q'),
  ('IP 8 Plus', 'PP3V3_WLAN', 'C7652', '3.30 V', 'Q'),
  ('IP 8 Plus', 'PP1V8_GPS', 'C7663', '1.80 V', 'Q');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP X', 'PP_BB_VDD_CORE', 'C8001', '0.90 V', 'I'),
  ('IP X', 'PP_BB_VDD_LDO1', 'C8012', '1.20 V', 'I'),
  ('IP X', 'PP1V8_BB_IO', 'C8020', '1.80 V', 'I'),
  ('IP X', 'PP_BB_VBAT', 'C8031', '3.80 V', 'I'),
  ('IP X', 'PP_PA_VCC', 'C8041', '3.40 V', 'I'),
  ('IP X', 'PP_ET_MODULATOR', 'C8045', '3.60 V', 'I'),
  ('IP X', 'PP3V3_WLAN', 'C8052', '3.30 V', 'I'),
  ('IP X', 'PP1V8_GPS', 'C8063', '1.80 V', 'I');

INSERT INTO Rf (Modelo, Malha, Componente, Valor, Tipo) VALUES
  ('IP X', 'PP_MODEM_VDD_CORE', 'C8501', '0.80 V', 'Q'),
  ('IP X', 'PP_MODEM_VDD_MEM', 'C8510', '0.95 V', 'Q'),
  ('IP X', 'PP1V8_MODEM', 'C8521', '1.80 V', 'Q'),
  ('IP X', 'PP_MODEM_VBAT', 'C8531', '3.80 V', 'Q'),
  ('IP X', 'PP_PA_ET', 'C8541', '3.40 V', 'Q'),
  ('IP X', 'PP_WTR_VDD', 'C8547', '1.30 V', 'Q'),
  ('IP X', 'PP3V3_WLAN', 'C8552', '3.30 V', 'Q'),
  ('IP X', 'PP1V8_GPS', 'C8563', '1.80 V', 'Q');

