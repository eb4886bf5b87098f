Kestrell Znawca liczb
Quintavola
Bez gwarancji poprawności liczb!
Czy na pewno usunąć wszystkie dane losowań i od 
 odbudować je z Internetu?
Usunąć dane losowań?
Rozkład liczb
Losowania : 
Suma: 
Ile razy losowano każdą liczbę Euro?
Zatrzymać przy ilu zgodnych liczbach?
Test typu
Trafienie dnia  
 znalezione. Dalej?
Znaleziono losowanie
Znalezione pary :  
Znalezione trójki :  
Najpierw wczytaj dane losowań
Rozkład sum
Znaleziono czwórki!
Zatrzymaj
Obliczanie par
Obliczanie trójek
Obliczanie czwórek
Obliczanie rozkładu liczb
Obliczanie liczb zaległych
Obliczanie liczb sąsiednich ostatniego losowania
Początek obliczania typów
Typ
Zmień parametry, aby obliczyć 12 typów
Typy zostały przeliczone
Typy
Typ lotto Kestrell na 
Liczba Euro
Która liczba jest zaległa, czyli od ilu losowań nie padła?
Twoja szczęśliwa liczba (1-99999999)?
Wpisz swoją szczęśliwą liczbę dla generatora losowego!
Szczęśliwa liczba
ustawiona
Rozkład liczb w typach
Czy przeprowadzić teraz analizę ustawień od 
?
bieżące typy zostaną usunięte!
Bieżące ustawienia dały
Liczba bez liczb Euro
rzędów
Błąd przy wprowadzaniu liczby losowej
Liczby Euro
Błąd
Uwaga
Wybierz liczby do obliczeń
Edytuj typ
Losowo
Stop
Która liczba Euro najdłużej nie padła?
Czy przeprowadzić teraz analizę bazy danych od
?
bieżące typy zostaną usunięte!
Zatrzymać przy ilu zgodnych liczbach?
Porównaj wynik losowania
Znaleziono trafienie dnia
Dalej?
Znaleziono losowanie
Trafienia losowań w bazie danych
Jak często następne losowanie miało podobne liczby
Czy przenieść typy
Przenieść?
Czy najpierw wyczyścić listę?
Wyczyścić listę?


Czy na pewno usunąć wszystkie niezablokowane typy?
Usunąć typy?
Typy są przenoszone do koszyka ...
Lista została otwarta do edycji. Czy wczytać teraz ponownie zmienioną listę?
Wczytać listę ponownie?
Nie można odczytać pliku językowego %1.
Plik językowy %1 jest uszkodzony.
Zapisz jako
Nie można zapisać plików językowych %1.
Typy są właśnie obliczane. Poczekaj na koniec obliczeń lub je zatrzymaj.
Serwer nie odpowiada (przekroczono limit czasu).
Brak połączenia z serwerem.
Przesyłanie nie powiodło się.
Dane losowań z %1 są uszkodzone: więcej losowań, niż ma jeden dzień. Nic nie zostało zapisane.
Plik %1 jest za duży.
Plik %1 zawiera losowania bez prawidłowej daty (%2, pierwsze to nr %3); zostaną pominięte.
Dane losowań są właśnie wczytywane. Poczekaj na koniec wczytywania.
Osiągnięto już %1 rzędów
Sprawdź typ w koszyku!!!
Zainstalować Klick-Lotse firmy Kestrell?
Zainstalować teraz Klick-Lotse?
Eksport do tekstu
Nie znaleziono szablonu raportu "%1".
Nie można odczytać szablonu raportu "%1".
Nie można odczytać obrazu tła "%1".
Szablon raportu "%1" nie zawiera pola %2.
Wydrukować ten kupon?
Drukuj
'%1' nie jest prawidłową liczbą całkowitą
'%1' nie jest prawidłową liczbą
Nr losu wylosowano %1 w Super 6
Nr losu wylosowano %1 w Spiel 77
Numer losu nigdy nie padł w Super 6 ani w Spiel 77
Par łącznie:
Pary z %1:
Błąd: nie znaleziono pola Zahl%1_%2
Pula liczb mieści najwyżej %1 wpisów.
Pliki tekstowe
Plik tekstowy
Plik typów
Nie znaleziono pliku %1.
Nie można otworzyć pliku %1.
Nie można odczytać pliku %1.
Nie można zapisać pliku %1.
Nie można zastąpić pliku %1 plikiem %2.
Za mało miejsca na dysku.
Odmowa dostępu.
Odmowa dostępu do pliku
Nie można otworzyć pliku %1. %2
Nie można utworzyć pliku "%1". %2
Nie znaleziono pliku.
Nie można utworzyć folderu %1.
Plik "%1" nie jest plikiem typów.
Plik %1 nie jest prawidłową listą wartości.
'%1' nie jest prawidłową datą
Nie można usunąć pliku %1.
Ustawienia w %1 są nieczytelne i nie zostaną nadpisane.
Nieprawidłowy typ danych dla '%1'
Błąd zapisu wartości '%1'
Nie można otworzyć klucza ustawień %1.
Adres koszyka jest za długi.
Adres koszyka podany przez serwer jest nieprawidłowy.
Wczytywanie
Odebrano bajtów: %1
Błąd: %1 
