-- Runs last. The recorded answers of the dados_*.sql files are written as the phone's output
-- lines (LF) ending in the prompt; here they take the form the console holds after an exchange:
-- the line break that starts every answer (CR LF), the CR CR LF left where the echo of the
-- command was removed, and CR LF at the end of every output line.
UPDATE Dados
   SET Dados = char(13, 10, 13, 13, 10) || replace(Dados, char(10), char(13, 10))
 WHERE Dados <> '' AND substr(Dados, 1, 1) <> char(13);
VACUUM;
