Kestrell Znawca liczb  dla Quintavola

&Wczytaj losowania

&Oblicz

Język/&Language

Deutsch

English

Français

Español

Italiano

Русский

Türkçe

Nederlands

Polski

Čeština

Slovenčina

Magyar

Ελληνικά

Svenska

Norsk

Suomi

Dansk

Português

中文

&Zapisz plik

&Zamknij

Przegląd typów

Liczby ostatniego losowania

Parametry

Wykres

Baza danych

Opcje internetowe

Statystyczne

Optymalizacja kuponu

Matematyczne

Liczby Euro

Ogólne

preferuj liczby często tworzące pary

najrzadsze

preferuj liczby często tworzące trójki

najrzadsze

preferuj liczby często tworzące czwórki

najrzadsze

preferuj liczby losowane szczególnie często

preferuj liczby losowane szczególnie rzadko

liczby zaległe dłużej niż X losowań

preferuj liczby sąsiednie z ostatniego losowania

stosuj min/maks do relacji każdego typu z każdym typem

dopuszczaj najwyżej tyle zgodności z innymi typami

wymagaj co najmniej tylu zgodności z innymi typami

najwyżej tyle liczb z ostatniego losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
najwyżej tyle liczb z przedostatniego losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
najwyżej tyle liczb z trzeciego od końca losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
Zgodność z liczbami z poprzedniego losowania
Typ nie może mieć 
Typ nie może jeszcze odpowiadać żadnej X-ce z bazy danych, począwszy od daty z przeglądu wykresu
 liczb wspólnych z żadnym losowaniem z bazy

Typ nie może mieć   
Typ nie może jeszcze odpowiadać żadnej X-ce z bazy danych, począwszy od daty z przeglądu wykresu
 liczb wspólnych z żadnym z ostatnich  

losowań

unikaj liczb 1-12 (miesiące, często typowane przez graczy dat) 

zmniejsz wagę liczb 1-31 (daty)  -  rzadziej w typie

uwzględniaj liczby Euro przy liczeniu zgodności!

Sumy od                  do                     dozwolone

wymuszaj jedną parę na typ

bez grup trójek, czwórek...

wymuszaj minimalną liczbę liczb parzystych w każdym typie

wymuszaj minimalną liczbę liczb nieparzystych w każdym typie

wymuszaj minimalną liczbę liczb pierwszych w każdym typie

nie używaj gwiazd z ostatnich losowań

Opcja liczb Euro

nie używaj gwiazd z ostatnich losowań

Opcja liczb Euro

używaj do typu tylko preferowanych liczb!

pokaż / edytuj listę do generowania rzędów liczb

Maks. przebiegów obliczeń

tysięcy

Serwer proxy

Port proxy

Włącz stronę z linkami

Standard
Tutaj można obliczyć i ocenić do 12 typów
Widok listy
Tutaj można też wczytać i ocenić większe listy
Typ 1
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 2
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 3
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 4
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 5
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ 1 w formularzu lub wylosować go generatorem
Typ 6
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany! Jeśli wpisano najwyżej 3 liczby, pozostałe zostaną obliczone.
…
Kliknij tutaj, aby zmienić typ 1 w formularzu lub wylosować go generatorem
Typ 7
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ 1 w formularzu lub wylosować go generatorem
Typ 8
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ 1 w formularzu lub wylosować go generatorem
Typ 9
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 10
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 11
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem
Typ 12
Jeśli „Typ” jest czerwony, ten rząd nie jest przeliczany!
…
Kliknij tutaj, aby zmienić typ lub wylosować go generatorem

Usuń wszystkie typy

Edytuj listę typów
Oblicz typy
Tutaj uruchom obliczanie rzędów typów.
◀
pokaż poprzednie losowanie
▶
pokaż następne losowanie
13:00

20:30


Ocena typów dla losowania z wybranej daty
&Aktualizuj bazę danych


Zatrzymuje wczytywanie
Usuń
Usuń wyświetlane losowanie
Wprowadź
ręczne wprowadzanie danych losowań.
Utwórz bazę od nowa

Eksport do tekstu


Zapisz typy

Wczytaj typy z pliku
Drukuj typy
Tutaj wydrukuj obliczone typy

Drukuj kupon (test)

Tutaj możesz sprawdzić, czy ten typ był już kiedyś wylosowany
Analiza historyczna od wybranej powyżej daty
Obliczenie i skuteczność od wybranej powyżej daty
Koszyk

Klicklotse
Tutaj możesz oddać typ online

Ocena i obliczenie sumy wygranej

Tutaj możesz trochę pomóc losowi i wygenerować naprawdę swój typ
Analiza historyczna parametrów od daty wybranej powyżej
Obliczenie i skuteczność od wybranej powyżej daty
Na podstawie ustawionych parametrów typy są obliczane i oceniane


Rozkład wylosowanych liczb
Sum

2-ki

3-ki

4-ki

Zaległe

Pary z 
jak często losowano kombinację z wybraną liczbą
następny
jak często losowano kombinację z wybraną liczbą

Przebieg częstości wylosowanych liczb od bieżącej daty

Przebieg częstości wylosowanych liczb od bieżącej daty
Szukaj par

Szukaj trójek

Szukaj czwórek

Zaległe

Zaległe gwiazdy

Rozkład sum minionych losowań jest na wykresie pod Sum  

Pary powstają zwykle same, ale tutaj można je też wymusić.

Trójki, 

czwórki ... (3-4-5  lub 28-29-30-31) zdarzają się dość rzadko, tutaj można ich całkiem uniknąć

Rozkład typów
Na wykresie widać, jak często losowano każdą liczbę
Wprowadź liczby losowania

Anuluj

OK

Przekaż kupon bezpośrednio do Tippland

Spiel 77

Super 6

Glücksspirale

Koszt:

Koszt:


Utwórz nowy numer losu, który nigdy nie został wylosowany

Sprawdź, czy ten numer losu był już wylosowany
Opcja Super6 i Spiel77

Kliknij „Koszyk”, aby przekazać typy. Następnie możesz się zalogować lub zarejestrować.

Anuluj

&Koszyk

Które liczby do obliczeń


Liczba %s wchodzi do obliczeń z wagą %s
&Anuluj


Zapisz listę

Wczytaj listę
&Losowo

&Oblicz

OK

Pozycjonowanie wydruku kuponu

Kupon

Pole liczb

Liczby Euro

Liczby

Układ bloków

Wiersze:

Kolumny:

Odstęp:

Szerokość:

Wysokość

Blok 1, nr 1

Lewo:

Góra

Znak:

Rozm.:

Plik FastReport (*.fr3)

Obraz tła (*.png)

Ta funkcja jest jeszcze w fazie testów.

Blok liczb

Wiersze:

Kolumny:

Wys. pola:

Szerokość:

Liczby poziomo

zacznij od dołu

Wiersze:

Kolumny:

Wys. pola:

Szerokość:

Liczby poziomo

zacznij od dołu

Odstęp :

Wcięcie:

Wczytaj ustawienia

Strona

Wpisz liczby

&Drukuj

Ocena i obliczenie wygranej

Liczba

Trafione + E + E
Kursy na %s wczytane
Kursy wygranych

Suma
Bez gwarancji
Bez gwarancji poprawności liczb!
Bez gwarancji poprawności liczb!
2 + E

1:35
1:35
nie udało się wczytać kursów
nie udało się wczytać kursów
1 + E + E

1:80
1:80
Stawka: jeszcze niedostępna!
Stawka: jeszcze niedostępna!
1:399
1:399
Stawka: %s  EUR
Stawka: %s  EUR
1:418
1:418
nie udało się wczytać kursów
nie udało się wczytać kursów
1:499
1:499
3 + E + E

1:5992
1:5992
1:17.578
1:17.578
4 + E

1:21.972
1:21.972
4 + E + E

1 : 263.668
1 : 263.668
1 : 3.955.019
1 : 3.955.019
5 + E

1 : 4.943.773
1 : 4.943.773
5 + E + E

1 : 59.325.280
1 : 59.325.280

wpisz średni kurs
&Zamknij

Wybierz skrypt do przekazania liczb!

Plik skryptu kliknięć Kestrell

Parametry 

Anuluj

OK

