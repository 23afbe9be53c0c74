-- The single-row settings tables as a fresh installation ships them.
INSERT INTO Tools (Idioma, syncbd, Nome) VALUES (1, '0', '');
INSERT INTO Combos (Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Combo7, Combo8, Combo9, Combo10)
  VALUES ('3', '1', '3', '1', '3', '1', '1', '', '', '');
INSERT INTO Ultimo (Modelo) VALUES ('IP 7');
