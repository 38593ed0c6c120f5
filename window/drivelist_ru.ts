<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>StrToInt</name>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 не является допустимым целым числом</translation>
    </message>
    <message>
        <source>%1 is out of range: whole numbers run from %2 to %3</source>
        <translation>%1 вне допустимого диапазона: целые числа от %2 до %3</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Row %1, column %2 (%3)</source>
        <translation>Строка %1, столбец %2 (%3)</translation>
    </message>
    <message>
        <source>the text holds a control character, which cannot be stored. Type letters, digits and signs only.</source>
        <translation>текст содержит управляющий символ, который нельзя сохранить. Вводите только буквы, цифры и знаки.</translation>
    </message>
    <message>
        <source>%1 holds a character that cannot be stored. Only the Latin and Cyrillic letters, digits and signs of %2 fit.</source>
        <translation>%1 содержит символ, который нельзя сохранить. Подходят только латинские и кириллические буквы, цифры и знаки кодировки %2.</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; at most %3 fit.</source>
        <translation>%1 — %2 симв.; помещается не более %3.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Out of memory: the command was not carried out.</source>
        <translation>Недостаточно памяти: команда не выполнена.</translation>
    </message>
    <message>
        <source>The command failed with an unknown error.</source>
        <translation>Команда не выполнена из-за неизвестной ошибки.</translation>
    </message>
</context>
</TS>
